// Everything the engine is told, measures and derives, in one global record,
// with the constant tables it rests on. Units: luminance Y in cd/m2;
// chromaticity x, y, z with z = 1 - x - y; relative XYZ scaled to Y = 1
// ((x / y, 1, z / y) for a reading); drive levels are integers 0 to 255.
#pragma once

#include "meter/yxy_reading.h"

enum { WHITE_POINT_D65 = 0, WHITE_POINT_D50 = 1, WHITE_POINT_D75 = 2, WHITE_POINT_COUNT = 3 };
enum { VERIFY_GREY_COUNT = 16, BRIGHTNESS_PATCH_COUNT = 10 };

// XYZ x 100 of D65, D50 and D75, indexed by whitePointIndex.
extern const double ReferenceWhites[WHITE_POINT_COUNT][3];
// The D50 row x 0.01: the white the primaries' XYZ are always scaled to.
extern const double ReferenceWhiteD50[3];
// 2.2 for gammaIndex 0, 1.8 for 1.
extern const double TargetGammas[2];

struct CalibrationRecord {
    double targetWhiteXYZ[3];  // relative XYZ of the target white (Y = 1)
    double targetGamma;        // 2.2 or 1.8
    double targetWhiteX, targetWhiteY;
    double brightnessY[BRIGHTNESS_PATCH_COUNT];  // greys 0, 8, ..., 64, then white 255
    YxyReading readings[4];    // slot 0 white or grey, 1 red, 2 green, 3 blue
    double whiteXYZ[3];        // relative XYZ of the measured white
    double redChromaticity[3], greenChromaticity[3], blueChromaticity[3];  // x, y, z
    double redXYZ[3], greenXYZ[3], blueXYZ[3];  // add up to ReferenceWhiteD50
    double xyzToDevice[3][3];  // relative XYZ to linear device RGB, row-major
    double uncorrectedWhiteX, uncorrectedWhiteY;
    double uncorrectedWhiteLuminance;  // cd/m2
    int driveRed, driveGreen, driveBlue;
    double uncorrectedGamma;
    double correctedGamma;
    // Verification greys 0, 17, ..., 255; after the run each Y holds the
    // normalised luminance, not cd/m2.
    YxyReading verifyReadings[VERIFY_GREY_COUNT];
    double verifyLuminance[VERIFY_GREY_COUNT];  // 0 to 1
    double correctedWhiteX, correctedWhiteY;
};

// The one record of the wizard's run (the struct's tag names the type).
extern struct CalibrationRecord CalibrationRecord;

// Sets targetWhiteXYZ and targetGamma from the settings' two indexes.
void SetTargetsFromIndexes(int whitePointIndex, int gammaIndex);
