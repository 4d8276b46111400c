// The colorimeter toolkit's six calls, as the wizard imports them. On 32-bit
// Windows they use the standard calling convention, so the import names are
// decorated: _sipOpenUSBChroma@8, _sipGetToolkitRev@4, _sipSelectCalibration@4,
// _sipSetDarkCurrentEx@0, _sipAutoMeasureYxy@8, _sipCloseCalibrator@0.
// Every call returns 0 on success and anything else on failure.
#pragma once

#include "meter/yxy_reading.h"

#if defined(_WIN32) && !defined(_WIN64)
#define SIPCAL_CALL __stdcall
#else
#define SIPCAL_CALL
#endif

// SIPCAL_NO_IMPORT gives plain declarations, which link against either the
// DLL's import library or the simulated toolkit's static library.
#if defined(_WIN32) && defined(SIPCAL_BUILDING_DLL)
#define SIPCAL_API __declspec(dllexport)
#elif defined(_WIN32) && defined(SIPCAL_NO_IMPORT)
#define SIPCAL_API
#elif defined(_WIN32)
#define SIPCAL_API __declspec(dllimport)
#else
#define SIPCAL_API
#endif

extern "C" {
// Connects; fills the 256-byte firmware text. reserved is 0.
SIPCAL_API int SIPCAL_CALL sipOpenUSBChroma(char* firmwareText, int reserved);
// Fills the 256-byte revision text.
SIPCAL_API int SIPCAL_CALL sipGetToolkitRev(char* revisionText);
// 0 selects the CRT calibration, 1 the LCD calibration.
SIPCAL_API int SIPCAL_CALL sipSelectCalibration(int lcd);
SIPCAL_API int SIPCAL_CALL sipSetDarkCurrentEx(void);
// mode is 1; fills the reading.
SIPCAL_API int SIPCAL_CALL sipAutoMeasureYxy(int mode, YxyReading* reading);
SIPCAL_API int SIPCAL_CALL sipCloseCalibrator(void);
}
