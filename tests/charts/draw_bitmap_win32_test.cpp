// DrawBitmap on 32-bit memory surfaces: where the bitmap lands, that nothing
// around it changes, and each mode's raster operation.
#include "charts/draw_bitmap_win32.h"

#include <gtest/gtest.h>

namespace {

const int kSurfaceSize = 8;
const int kSourceWidth = 3;
const int kSourceHeight = 2;
const DWORD kSource = 0x00F0A05A;
const DWORD kDestination = 0x003C3CCC;

HBITMAP CreateSurface(int width, int height, DWORD fill, DWORD** pixels) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, 0, 0);
    *pixels = static_cast<DWORD*>(bits);
    for (int i = 0; i < width * height; ++i) (*pixels)[i] = fill;
    return bitmap;
}

// Draws the source at (2, 3) of a fresh destination with mode; returns the
// destination pixel at (x, y).
class DrawBitmapModes : public ::testing::Test {
  protected:
    void SetUp() override {
        source = CreateSurface(kSourceWidth, kSourceHeight, kSource, &sourcePixels);
        target = CreateSurface(kSurfaceSize, kSurfaceSize, kDestination, &targetPixels);
        context = CreateCompatibleDC(0);
        previous = SelectObject(context, target);
    }
    void TearDown() override {
        SelectObject(context, previous);
        DeleteDC(context);
        DeleteObject(target);
        DeleteObject(source);
    }
    void Draw(int mode) { Draw(mode, source); }
    void Draw(int mode, HBITMAP bitmap) {
        HBRUSH brush = CreateSolidBrush(RGB(0xFF, 0x55, 0xAA));
        HGDIOBJ previousBrush = SelectObject(context, brush);
        DrawBitmap(context, bitmap, 2, 3, mode);
        GdiFlush();
        SelectObject(context, previousBrush);
        DeleteObject(brush);
    }
    DWORD At(int x, int y) const { return targetPixels[y * kSurfaceSize + x] & 0x00FFFFFF; }

    HBITMAP source = 0, target = 0;
    DWORD* sourcePixels = nullptr;
    DWORD* targetPixels = nullptr;
    HDC context = 0;
    HGDIOBJ previous = 0;
};

TEST_F(DrawBitmapModes, CopyCoversExactlyTheBitmapsRectangle) {
    Draw(DRAW_BITMAP_COPY);
    for (int y = 0; y < kSurfaceSize; ++y) {
        for (int x = 0; x < kSurfaceSize; ++x) {
            const bool inside = x >= 2 && x < 2 + kSourceWidth && y >= 3 && y < 3 + kSourceHeight;
            EXPECT_EQ(inside ? kSource : kDestination, At(x, y)) << x << "," << y;
        }
    }
}

TEST_F(DrawBitmapModes, EachModesRasterOperation) {
    const DWORD brushPixel = 0x00FF55AA;  // RGB(0xFF, 0x55, 0xAA) as the surface stores it
    struct Case {
        int mode;
        DWORD expected;
    } cases[] = {
        {DRAW_BITMAP_INVERT, kSource ^ kDestination},
        {DRAW_BITMAP_AND, kSource & kDestination},
        {DRAW_BITMAP_MASK, kDestination ^ (brushPixel & ~kSource & 0x00FFFFFF)},
        {static_cast<int>(NOTSRCCOPY), ~kSource & 0x00FFFFFF},
    };
    for (const Case& c : cases) {
        for (int i = 0; i < kSurfaceSize * kSurfaceSize; ++i) targetPixels[i] = kDestination;
        Draw(c.mode);
        EXPECT_EQ(c.expected, At(3, 4)) << "mode " << c.mode;
        EXPECT_EQ(kDestination, At(5, 4)) << "mode " << c.mode;
    }
}

// Leaves a pattern where DrawBitmap's locals will lie, so that a size it
// failed to read would be large rather than happen to be 0.
__attribute__((noinline)) void LitterStack() {
    volatile unsigned char litter[4096];
    for (unsigned i = 0; i < sizeof litter; ++i)
        litter[i] = 0x05;
}

TEST_F(DrawBitmapModes, AHandleWithoutASizeDrawsNothing) {
    DWORD* unused = nullptr;
    HBITMAP deleted = CreateSurface(kSourceWidth, kSourceHeight, kSource, &unused);
    DeleteObject(deleted);
    const HBITMAP handles[] = {0, deleted};
    for (HBITMAP handle : handles) {
        LitterStack();
        Draw(DRAW_BITMAP_COPY, handle);
        for (int i = 0; i < kSurfaceSize * kSurfaceSize; ++i)
            ASSERT_EQ(kDestination, targetPixels[i] & 0x00FFFFFF) << handle << " at " << i;
    }
}

}  // namespace
