// Page 7, "Monitor Calibration": white and black, a white point correction of
// 15 greys by measurement, the primaries at the corrected white, the
// calibration ramp built from the corrected greys, and 16 verification greys
// measured through it.
#pragma once

enum { CALIBRATION_GREY_COUNT = 15 };

// 0 when the run completed, 1 when a reading was given up or the run failed.
int RunCalibrationPage();
