// Storage of the user's choices, with the defaults of a first run.
#include "wizard/calibration_settings.h"

struct CalibrationSettings CalibrationSettings = {MONITOR_CRT, 1, 1, 0, 0, "", "", ""};
