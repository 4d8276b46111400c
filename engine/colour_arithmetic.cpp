// Rounding and the record's colour conversions. The colorimeter connection
// passes on every reading with a usable luminance; the guards here keep a
// reading without a chromaticity, or a degenerate set of them, from turning
// into divisions by zero in the record.
#include "engine/colour_arithmetic.h"

#include "engine/calibration_record.h"
#include "engine/linear_solver.h"

#include <cmath>

int RoundToInt(double x) {
    if (x < 0) return static_cast<int>(x - 0.5);
    return static_cast<int>(x + 0.5);
}

int Max3(int a, int b, int c) {
    int largest = a > b ? a : b;
    return largest > c ? largest : c;
}

int ChromaticityIsUsable(const YxyReading* reading) {
    const int finite =
        std::isfinite(reading->x) && std::isfinite(reading->y) && std::isfinite(reading->z);
    return finite && reading->y > 0;
}

void TargetWhiteChromaticity() {
    const double* white = CalibrationRecord.targetWhiteXYZ;
    double sum = white[0] + white[1] + white[2];
    CalibrationRecord.targetWhiteX = white[0] / sum;
    CalibrationRecord.targetWhiteY = white[1] / sum;
}

static void CopyChromaticity(const YxyReading* reading, double* chromaticity) {
    chromaticity[0] = reading->x;
    chromaticity[1] = reading->y;
    chromaticity[2] = reading->z;
}

int StoreWhiteAndPrimaries() {
    const YxyReading* readings = CalibrationRecord.readings;
    for (int k = 0; k < 4; ++k)
        if (!ChromaticityIsUsable(&readings[k])) return 1;
    // A y barely above 0 would still overflow the relative white.
    const double whiteX = readings[0].x / readings[0].y, whiteZ = readings[0].z / readings[0].y;
    if (!std::isfinite(whiteX) || !std::isfinite(whiteZ)) return 1;
    CalibrationRecord.whiteXYZ[0] = whiteX;
    CalibrationRecord.whiteXYZ[1] = 1.0;
    CalibrationRecord.whiteXYZ[2] = whiteZ;
    CopyChromaticity(&readings[1], CalibrationRecord.redChromaticity);
    CopyChromaticity(&readings[2], CalibrationRecord.greenChromaticity);
    CopyChromaticity(&readings[3], CalibrationRecord.blueChromaticity);
    return 0;
}

static void ScaleChromaticity(const double* chromaticity, double scale, double* xyz) {
    for (int i = 0; i < 3; ++i)
        xyz[i] = scale * chromaticity[i];
}

// Each primary must add a positive share of the white; anything else means
// the three chromaticities do not span a gamut that holds it.
static int UsableScales(const double* scales) {
    for (int i = 0; i < 3; ++i)
        if (!(scales[i] > 0) || !std::isfinite(scales[i])) return 0;
    return 1;
}

int ComputePrimariesXYZ() {
    const double* primaries[3] = {CalibrationRecord.redChromaticity,
                                  CalibrationRecord.greenChromaticity,
                                  CalibrationRecord.blueChromaticity};
    double matrix[9];
    double scales[3];
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            matrix[row * 3 + column] = primaries[column][row];
        scales[row] = ReferenceWhiteD50[row];
    }
    if (SolveLinearSystem(matrix, 3, scales) != 0 || !UsableScales(scales)) return 1;
    ScaleChromaticity(primaries[0], scales[0], CalibrationRecord.redXYZ);
    ScaleChromaticity(primaries[1], scales[1], CalibrationRecord.greenXYZ);
    ScaleChromaticity(primaries[2], scales[2], CalibrationRecord.blueXYZ);
    return 0;
}
