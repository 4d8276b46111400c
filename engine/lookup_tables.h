// The video lookup tables: the wizard's three ramps, the device colour of the
// target white computed from measured primaries, and the calibration ramp
// built from the white-corrected greys of the calibration run.
#pragma once

#include "engine/gamma_ramp.h"

enum { CORRECTION_GREY_COUNT = 16 };

// Entry i of every block = 257 i.
void MakeLinearRamp(GammaRamp* ramp);

// Sets xyzToDevice, the inverse of the primaries' matrix scaled so that the
// measured white maps to (1, 1, 1). 1, changing nothing, when the primaries
// are collinear or the white lies outside their triangle.
int ComputeXyzToDevice();
// Drive levels of a relative XYZ through xyzToDevice: 255 x linear ^ (1 /
// gamma) per channel. Linear values below 0 count as 0 and above
// DEVICE_LINEAR_LIMIT as that limit, so the result is always defined.
void DeviceRgbFor(double X, double Y, double Z, double gamma, int rgb[3]);
// The device colour of the target white, its largest channel at 255.
// 1 when the measured primaries give no device colour for it.
int TargetWhiteDeviceRgb(int rgb[3]);

// Fills CorrectionRamp from the 16 greys' drive levels (0 to 255, entry 0
// black) and normalised luminances (0 to 1) and copies it into ExitRamp.
// 1, changing neither ramp, when the curves cannot be built.
int BuildCorrectionRamp(const int* driveRed, const int* driveGreen, const int* driveBlue,
                        const double* luminances);
