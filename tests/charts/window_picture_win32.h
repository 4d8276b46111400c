// Framed test windows of a chart class, and a window's client area painted into a memory surface through
// WM_PRINTCLIENT, for the chart windows' tests, and kept as a BMP file so
// that a person can look at what was drawn.
#pragma once

#include <windows.h>

struct WindowPicture {
    HBITMAP surface;
    DWORD* pixels; // top-down rows, 0x00RRGGBB
    int width;
    int height;
};

// A framed pop-up window of the class with the given client size, or 0.
HWND CreateFramedWindow(const char* className, int clientWidth, int clientHeight);

// Paints the window as it stands into a picture (made anew) that starts filled
// with background, and saves it as the BMP file path.
void PaintWindowPicture(HWND window, DWORD background, const char* path, WindowPicture* picture);
void FreeWindowPicture(WindowPicture* picture);
DWORD PicturePixel(const WindowPicture* picture, int x, int y);
