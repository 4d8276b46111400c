// The three ramps, the target white's device colour and the calibration
// ramp. Measurements can be degenerate (collinear primaries, a white outside
// them, greys that do not get brighter); the guards here keep every ramp and
// drive level a finite number in range whatever was measured.
#include "engine/lookup_tables.h"

#include "engine/calibration_record.h"
#include "engine/colour_arithmetic.h"
#include "engine/monotone_curve.h"

#include <cmath>

// A linear drive far beyond full white carries no information; the bound
// keeps the drive levels, and products of them, within integer range.
static const double DeviceLinearLimit = 16.0;

GammaRamp LinearRamp;
GammaRamp CorrectionRamp;
GammaRamp ExitRamp;

void MakeLinearRamp(GammaRamp* ramp) {
    for (int i = 0; i < 256; ++i) {
        unsigned short level = static_cast<unsigned short>(i * 65535 / 255);
        ramp->red[i] = ramp->green[i] = ramp->blue[i] = level;
    }
}

// Inverse of the matrix whose columns are the primaries' x, y, z, by
// cofactors. 1 when its determinant is zero.
static int InvertPrimaries(double inverse[3][3]) {
    const double* r = CalibrationRecord.redChromaticity;
    const double* g = CalibrationRecord.greenChromaticity;
    const double* b = CalibrationRecord.blueChromaticity;
    double xR = r[0], yR = r[1], zR = 1 - r[0] - r[1];
    double xG = g[0], yG = g[1], zG = 1 - g[0] - g[1];
    double xB = b[0], yB = b[1], zB = 1 - b[0] - b[1];
    double det = xR * (yG * zB - yB * zG) + xG * (yB * zR - yR * zB) + xB * (yR * zG - yG * zR);
    if (det == 0 || !std::isfinite(det)) return 1;
    double rows[3][3] = {{yG * zB - yB * zG, xB * zG - xG * zB, xG * yB - xB * yG},
                         {yB * zR - yR * zB, xR * zB - xB * zR, xB * yR - xR * yB},
                         {yR * zG - yG * zR, xG * zR - xR * zG, xR * yG - xG * yR}};
    for (int k = 0; k < 3; ++k)
        for (int j = 0; j < 3; ++j)
            inverse[k][j] = rows[k][j] / det;
    return 0;
}

int ComputeXyzToDevice() {
    double inverse[3][3];
    if (InvertPrimaries(inverse) != 0) return 1;
    const double* white = CalibrationRecord.whiteXYZ;
    double shares[3];
    for (int k = 0; k < 3; ++k) {
        shares[k] = inverse[k][0] * white[0] + inverse[k][1] * white[1] + inverse[k][2] * white[2];
        // Each primary must give the white a positive share, or the scaled
        // row would point the wrong way or divide by zero.
        if (!(shares[k] > 0) || !std::isfinite(1 / shares[k])) return 1;
    }
    for (int k = 0; k < 3; ++k)
        for (int j = 0; j < 3; ++j)
            CalibrationRecord.xyzToDevice[k][j] = inverse[k][j] / shares[k];
    return 0;
}

void DeviceRgbFor(double X, double Y, double Z, double gamma, int rgb[3]) {
    for (int k = 0; k < 3; ++k) {
        const double* row = CalibrationRecord.xyzToDevice[k];
        double linear = row[0] * X + row[1] * Y + row[2] * Z;
        // A target outside the primaries gives a negative share, which has
        // no real power: that channel is off.
        if (!(linear > 0)) linear = 0;
        if (linear > DeviceLinearLimit) linear = DeviceLinearLimit;
        rgb[k] = RoundToInt(255 * std::pow(linear, 1 / gamma));
    }
}

int TargetWhiteDeviceRgb(int rgb[3]) {
    if (ComputeXyzToDevice() != 0) return 1;
    const double* target = CalibrationRecord.targetWhiteXYZ;
    DeviceRgbFor(target[0], target[1], target[2], CalibrationRecord.targetGamma, rgb);
    int largest = Max3(rgb[0], rgb[1], rgb[2]);
    if (largest <= 0) return 1;
    for (int k = 0; k < 3; ++k)
        rgb[k] = rgb[k] * 255 / largest;
    return 0;
}

// The greys that become knots, and their input levels (luminance ^ (1 /
// gamma)). A grey that is not brighter than the last kept one (a monitor
// set so dark that its first greys read as black, noise in the shadows) or
// already as bright as white is left out, so the input levels rise strictly
// from black at 0 to white at 1. Returns the number of knots.
static int CorrectionKnots(const double* luminances, double gamma, int* greys, double* inputs) {
    greys[0] = 0;
    inputs[0] = 0;
    int count = 1;
    for (int k = 1; k < CORRECTION_GREY_COUNT - 1; ++k) {
        double input = luminances[k] > 0 ? std::pow(luminances[k], 1 / gamma) : 0;
        if (!(input > inputs[count - 1]) || !(input < 1)) continue;
        greys[count] = k;
        inputs[count++] = input;
    }
    greys[count] = CORRECTION_GREY_COUNT - 1;
    inputs[count++] = 1;
    return count;
}

// One channel's block. A darker grey may not drive the channel harder than a
// brighter one: in shadows the calibrator barely sees, the correction chases
// noise, and a falling drive would reverse the tone scale. Such a drive is
// lowered to the next brighter grey's, which was measured more surely.
static int ChannelBlock(int count, const int* greys, const double* inputs, const int* drives,
                        unsigned short* block) {
    double outputs[CORRECTION_GREY_COUNT];
    unsigned char table[256];
    for (int k = 0; k < count; ++k)
        outputs[k] = drives[greys[k]] * (1 / 255.0);
    for (int k = count - 2; k >= 0; --k)
        if (outputs[k] > outputs[k + 1]) outputs[k] = outputs[k + 1];
    if (MonotoneCurveTable(count, inputs, outputs, table) != 0) return 1;
    for (int i = 0; i < 256; ++i)
        block[i] = static_cast<unsigned short>(table[i] * 256);
    return 0;
}

int BuildCorrectionRamp(const int* driveRed, const int* driveGreen, const int* driveBlue,
                        const double* luminances) {
    int greys[CORRECTION_GREY_COUNT];
    double inputs[CORRECTION_GREY_COUNT];
    int count = CorrectionKnots(luminances, CalibrationRecord.targetGamma, greys, inputs);
    GammaRamp ramp;
    if (ChannelBlock(count, greys, inputs, driveRed, ramp.red) != 0 ||
        ChannelBlock(count, greys, inputs, driveGreen, ramp.green) != 0 ||
        ChannelBlock(count, greys, inputs, driveBlue, ramp.blue) != 0)
        return 1;
    CorrectionRamp = ramp;
    ExitRamp = ramp;
    return 0;
}
