// The results window ("results"): after a calibration, the measured gamut
// over the chromaticity diagram of the target white, or the calibration
// curves over their grid, chosen on a strip of two tabs along its bottom.
#pragma once

#include <windows.h>

LRESULT CALLBACK ResultsWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
