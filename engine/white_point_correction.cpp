// One white point correction pass: a 3 x 3 linear system from the probes'
// chromaticity differences, its solution held to the grey's step limit, and
// the drive levels renormalised to the grey's level.
#include "engine/white_point_correction.h"

#include "engine/colour_arithmetic.h"
#include "engine/linear_solver.h"

#include <cmath>

// Each channel's chromaticity change per drive step lowered, and the sum of
// the changes held at zero.
static void BuildProbeSystem(const YxyReading* r, int step, double system[9]) {
    for (int k = 0; k < 3; ++k) {
        system[k] = (r[k + 1].x - r[0].x) / step;
        system[3 + k] = (r[k + 1].y - r[0].y) / step;
        system[6 + k] = 1;
    }
}

static double Clamp(double value, double limit) {
    return value < -limit ? -limit : value > limit ? limit : value;
}

int ProbeStep(int level) {
    return level / 6;
}

int ApplyWhitePointCorrection(const YxyReading* readings, double dx, double dy, int level,
                              int drives[3]) {
    int step = ProbeStep(level);
    int limit = step / 2;
    double system[9];
    double change[3] = {dx, dy, 0};
    for (int k = 0; k < 4; ++k)
        if (!ChromaticityIsUsable(&readings[k])) return 1;
    BuildProbeSystem(readings, step, system);
    if (SolveLinearSystem(system, 3, change) != 0) return 1;
    for (int k = 0; k < 3; ++k)
        if (!std::isfinite(change[k])) return 1;
    int moved[3];
    for (int k = 0; k < 3; ++k)
        moved[k] = drives[k] + RoundToInt(Clamp(change[k], limit));
    // A pass moves a channel by at most the step limit, level / 12, and the
    // largest drive starts at the level: the divisor stays well above zero.
    int largest = Max3(moved[0], moved[1], moved[2]);
    for (int k = 0; k < 3; ++k)
        drives[k] = moved[k] * level / largest;
    return 0;
}
