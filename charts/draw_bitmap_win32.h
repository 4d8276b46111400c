// Draws a whole bitmap at a point; used by the chart windows and the loader.
#pragma once

#include <windows.h>

enum {
    DRAW_BITMAP_COPY = 0,   // SRCCOPY, the mode the programs use
    DRAW_BITMAP_INVERT = 1, // SRCINVERT
    DRAW_BITMAP_AND = 2,    // SRCAND
    DRAW_BITMAP_MASK = 3,   // destination XOR (brush AND NOT source)
};

// Draws bitmap with its top left corner at (x, y) of context, combining it
// with the mode's raster operation; any other mode is taken as the raster
// operation code itself. A handle that is not a readable bitmap draws nothing.
void DrawBitmap(HDC context, HBITMAP bitmap, int x, int y, int mode);
