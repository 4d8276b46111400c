// Pixel width of a text in the program's control font, for laying out
// controls. Shared by the wizard and the log-on loader; each program says
// which font and window it measures with.
#pragma once

#include <windows.h>

// Width in pixels of the whole text drawn in TextWidthFont(), measured on a
// device context of TextWidthWindow() (the screen's while that is still 0).
int TextWidth(const char* text);

// Provided by each program: its control font and its main window.
HFONT TextWidthFont();
HWND TextWidthWindow();
