// The one bitmap drawing helper: a memory context holding the bitmap, sized
// in the target's logical units, copied with one raster operation.
#include "charts/draw_bitmap_win32.h"

static const DWORD maskRasterOperation = 0x009A0709;

static DWORD RasterOperationFor(int mode) {
    switch (mode) {
    case DRAW_BITMAP_COPY: return SRCCOPY;
    case DRAW_BITMAP_INVERT: return SRCINVERT;
    case DRAW_BITMAP_AND: return SRCAND;
    case DRAW_BITMAP_MASK: return maskRasterOperation;
    default: return static_cast<DWORD>(mode);
    }
}

void DrawBitmap(HDC context, HBITMAP bitmap, int x, int y, int mode) {
    // A handle whose size cannot be read (none, deleted, not a bitmap) has
    // nothing to copy.
    BITMAP description;
    if (GetObjectA(bitmap, sizeof description, &description) != sizeof description) return;
    HDC memory = CreateCompatibleDC(context);
    HGDIOBJ previousBitmap = SelectObject(memory, bitmap);
    SetMapMode(memory, GetMapMode(context));
    POINT size = {description.bmWidth, description.bmHeight};
    DPtoLP(context, &size, 1);
    POINT origin = {0, 0};
    DPtoLP(memory, &origin, 1);
    BitBlt(context, x, y, size.x, size.y, memory, origin.x, origin.y, RasterOperationFor(mode));
    SelectObject(memory, previousBitmap);
    DeleteDC(memory);
}
