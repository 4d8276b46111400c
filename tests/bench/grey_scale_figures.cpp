// Scoring of a calibrated grey scale. The ideal grey of level v has the
// target white's chromaticity and the luminance black + (white - black) x
// (v / 255) ^ gamma, with black and white as the calibrated ramp shows them;
// Lab is taken against the target white at that white luminance. The floor
// per grey is a pattern search over integer panel drive levels started from
// the ramp's own, finished by an exhaustive look at its neighbourhood.
#include "tests/bench/grey_scale_figures.h"

#include "tests/bench/colour_difference.h"

#include <cmath>

enum { VERIFY_STEP = 17, BETWEEN_STEP = 5, FINAL_REACH = 2 };

struct GreyTarget {
    const struct MonitorModel* model;
    double white[3]; // reference white for Lab
    double blackY, whiteY, targetX, targetY, gamma;
};

static void IdealGrey(const GreyTarget* target, int level, double lab[3]) {
    double fraction = std::pow(level / 255.0, target->gamma);
    double xyz[3];
    XyzFromChromaticity(target->targetX, target->targetY,
                        target->blackY + (target->whiteY - target->blackY) * fraction, xyz);
    LabFromXyz(xyz, target->white, lab);
}

static double DeltaEOfDrives(const GreyTarget* target, const int drives[3], const double ideal[3]) {
    double xyz[3], lab[3];
    MonitorXyzForDrive(target->model, drives[0], drives[1], drives[2], xyz);
    LabFromXyz(xyz, target->white, lab);
    return DeltaE2000(lab, ideal);
}

// Moves drives to a better neighbour `step` away while there is one.
static double DescendWithStep(const GreyTarget* target, const double ideal[3], int step,
                              int drives[3], double best) {
    static const int moves[8][3] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0},
                                    {0, 0, 1}, {0, 0, -1}, {1, 1, 1}, {-1, -1, -1}};
    for (int improved = 1; improved;) {
        improved = 0;
        for (const int* move : moves) {
            int trial[3];
            for (int c = 0; c < 3; ++c)
                trial[c] = drives[c] + step * move[c];
            if (trial[0] < 0 || trial[1] < 0 || trial[2] < 0) continue;
            if (trial[0] > 255 || trial[1] > 255 || trial[2] > 255) continue;
            double error = DeltaEOfDrives(target, trial, ideal);
            if (error >= best) continue;
            best = error, improved = 1;
            for (int c = 0; c < 3; ++c)
                drives[c] = trial[c];
        }
    }
    return best;
}

static double ExhaustNeighbourhood(const GreyTarget* target, const double ideal[3],
                                   const int centre[3], double best) {
    for (int r = -FINAL_REACH; r <= FINAL_REACH; ++r)
        for (int g = -FINAL_REACH; g <= FINAL_REACH; ++g)
            for (int b = -FINAL_REACH; b <= FINAL_REACH; ++b) {
                int trial[3] = {centre[0] + r, centre[1] + g, centre[2] + b};
                if (trial[0] < 0 || trial[1] < 0 || trial[2] < 0) continue;
                if (trial[0] > 255 || trial[1] > 255 || trial[2] > 255) continue;
                double error = DeltaEOfDrives(target, trial, ideal);
                if (error < best) best = error;
            }
    return best;
}

static double FloorDeltaE(const GreyTarget* target, const GammaRamp* ramp, int level,
                          const double ideal[3]) {
    int drives[3] = {PanelDriveLevel(ramp->red, level), PanelDriveLevel(ramp->green, level),
                     PanelDriveLevel(ramp->blue, level)};
    double best = DeltaEOfDrives(target, drives, ideal);
    for (int step = 16; step >= 1; step /= 2)
        best = DescendWithStep(target, ideal, step, drives, best);
    return ExhaustNeighbourhood(target, ideal, drives, best);
}

struct Accumulator {
    double sum, largest;
    int count;
};

static void Add(Accumulator* accumulator, double value) {
    accumulator->sum += value;
    if (value > accumulator->largest) accumulator->largest = value;
    ++accumulator->count;
}

static Spread SpreadOf(const Accumulator* accumulator) {
    Spread spread = {0, accumulator->largest};
    if (accumulator->count > 0) spread.mean = accumulator->sum / accumulator->count;
    return spread;
}

static void InitTarget(const struct MonitorModel* model, const GammaRamp* ramp, double targetX,
                       double targetY, double gamma, GreyTarget* target) {
    double black[3], white[3];
    MonitorXyzForPatch(model, ramp, 0, 0, 0, black);
    MonitorXyzForPatch(model, ramp, 255, 255, 255, white);
    *target = {model, {0, 0, 0}, black[1], white[1], targetX, targetY, gamma};
    XyzFromChromaticity(targetX, targetY, white[1], target->white);
}

void MeasureGreyScale(const struct MonitorModel* model, const GammaRamp* ramp, double targetX,
                      double targetY, double gamma, struct GreyScaleFigures* figures) {
    GreyTarget target;
    InitTarget(model, ramp, targetX, targetY, gamma, &target);
    Accumulator dx = {}, dy = {}, verifyE = {}, verifyFloor = {}, betweenE = {}, betweenFloor = {};
    for (int level = 0; level <= 255; ++level) {
        int verify = level % VERIFY_STEP == 0;
        if (!verify && level % BETWEEN_STEP != 0) continue;
        double xyz[3], lab[3], ideal[3];
        MonitorXyzForPatch(model, ramp, level, level, level, xyz);
        LabFromXyz(xyz, target.white, lab);
        IdealGrey(&target, level, ideal);
        double deltaE = DeltaE2000(lab, ideal);
        double floor = FloorDeltaE(&target, ramp, level, ideal);
        Add(verify ? &verifyE : &betweenE, deltaE);
        Add(verify ? &verifyFloor : &betweenFloor, floor);
        if (!verify || level == 0) continue;
        double sum = xyz[0] + xyz[1] + xyz[2];
        Add(&dx, std::fabs(xyz[0] / sum - targetX));
        Add(&dy, std::fabs(xyz[1] / sum - targetY));
    }
    *figures = {SpreadOf(&dx),          SpreadOf(&dy),       SpreadOf(&verifyE),
                SpreadOf(&verifyFloor), SpreadOf(&betweenE), SpreadOf(&betweenFloor)};
}
