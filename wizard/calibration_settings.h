// The user's choices on the setup page. One global instance; the setup form
// and the settings loader write it, everything else reads it.
#pragma once

enum { MONITOR_CRT = 0, MONITOR_LCD = 1 };
enum { DESCRIPTION_SIZE = 339, LOG_FOLDER_SIZE = 261 };

struct CalibrationSettings {
    int monitorType;                           // 0 CRT, 1 LCD (any non-zero counts as LCD)
    int adjustableBrightness;                  // page 5 runs only when not 0
    int adjustableColor;                       // page 6 runs only when not 0
    int whitePointIndex;                       // 0 D65, 1 D50, 2 D75
    int gammaIndex;                            // 0 gamma 2.2, 1 gamma 1.8
    char profileDescription[DESCRIPTION_SIZE]; // not stored; empty each run
    char copyrightNotice[DESCRIPTION_SIZE];
    char lastLogFolder[LOG_FOLDER_SIZE];
};

// The one instance (the struct's tag names the type).
extern struct CalibrationSettings CalibrationSettings;
