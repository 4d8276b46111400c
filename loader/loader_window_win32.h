// The loader's one window (class "Velloran"): which profile was loaded, the
// flat/calibrated switch and the reference photograph.
#pragma once

#include <windows.h>

#include "engine/gamma_ramp.h"
#include "loader/loader_layout.h"

enum { LOADER_TIMER_ID = 103, LOADER_TIMER_PERIOD = 5000 };
enum { IDC_USE_CALIBRATED = 101, IDC_USE_FLAT = 102 };

// Start-up state the window reads.
extern HFONT LoaderFont;
extern HBITMAP ReferenceImage;
extern struct LoaderMeasures loaderMeasures;

LRESULT CALLBACK LoaderWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Loads ramp on the window's device context; 0 when the adapter took it and
// holds it afterwards.
int LoadRampOnWindow(HWND window, const GammaRamp* ramp);
