// Window procedures of the captioned child windows that pages show: the
// target patch, the brightness curve and the white point gauges.
#pragma once

#include <windows.h>

// "target": one solid colour, set by APPMSG_TARGET_COLOR (lParam 0x00BBGGRR).
LRESULT CALLBACK TargetWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// "setbrightness": expected and measured shadow curves.
LRESULT CALLBACK BrightnessWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// "setwhitepoint": three gauges set by APPMSG_GAUGE_RED, _GREEN and _BLUE.
LRESULT CALLBACK GaugeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
