// The record's storage and the reference whites.
#include "engine/calibration_record.h"

const double ReferenceWhites[WHITE_POINT_COUNT][3] = {
    {95.05, 100.0, 108.88},  // D65
    {96.42, 100.0, 82.49},   // D50
    {94.97, 100.0, 122.64},  // D75
};

const double ReferenceWhiteD50[3] = {0.9642, 1.0, 0.8249};

const double TargetGammas[2] = {2.2, 1.8};

struct CalibrationRecord CalibrationRecord;

void SetTargetsFromIndexes(int whitePointIndex, int gammaIndex) {
    if (whitePointIndex < 0 || whitePointIndex >= WHITE_POINT_COUNT) whitePointIndex = 0;
    if (gammaIndex < 0 || gammaIndex > 1) gammaIndex = 0;
    for (int i = 0; i < 3; ++i)
        CalibrationRecord.targetWhiteXYZ[i] = ReferenceWhites[whitePointIndex][i] * 0.01;
    CalibrationRecord.targetGamma = TargetGammas[gammaIndex];
}
