// What the driver reads from the system beside windows: the adapter's gamma
// ramp (through the screen's device context, as any program may), pixels and
// screenshots of the screen. Screenshots are written as BMP files; the
// scenario runner turns them into PNG.
#include "tests/driver/driver_win32.h"

#include <cstdio>

#include "text/path_utils.h"
#include "text/text_format.h"

namespace {

// The screen as a 24-bit bottom-up DIB, ready to be written as a BMP file.
struct ScreenImage {
    BITMAPINFOHEADER header;
    HBITMAP bitmap;
    void* pixels;
};

int CaptureScreen(ScreenImage* image) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = ((width * 3 + 3) & ~3) * height;
    image->header = info.bmiHeader;
    HDC screen = GetDC(0);
    HDC memory = CreateCompatibleDC(screen);
    image->bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &image->pixels, 0, 0);
    int failed = image->bitmap == 0;
    if (!failed) {
        HGDIOBJ previous = SelectObject(memory, image->bitmap);
        failed = !BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
    }
    DeleteDC(memory);
    ReleaseDC(0, screen);
    return failed;
}

int WriteBmp(const char* path, const ScreenImage* image) {
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof image->header;
    file.bfSize = file.bfOffBits + image->header.biSizeImage;
    FILE* out = fopen(path, "wb");
    if (!out) return 1;
    int failed = fwrite(&file, sizeof file, 1, out) != 1;
    failed |= fwrite(&image->header, sizeof image->header, 1, out) != 1;
    failed |= fwrite(image->pixels, image->header.biSizeImage, 1, out) != 1;
    failed |= fclose(out) != 0;
    return failed;
}

} // namespace

int ReadAdapterRamp(WORD ramp[768]) {
    HDC screen = GetDC(0);
    const BOOL read = GetDeviceGammaRamp(screen, ramp);
    ReleaseDC(0, screen);
    return read ? 0 : Fail("the adapter refused to give its gamma ramp");
}

int WriteAdapterRamp(const WORD ramp[768]) {
    HDC screen = GetDC(0);
    const BOOL loaded = SetDeviceGammaRamp(screen, const_cast<WORD*>(ramp));
    ReleaseDC(0, screen);
    return loaded ? 0 : Fail("the adapter refused the gamma ramp");
}

int SaveScreenshot(const char* name) {
    char fileName[DRIVER_PATH_CAPACITY], path[DRIVER_PATH_CAPACITY];
    FormatText(fileName, sizeof fileName, "%s.bmp", name);
    JoinPath(path, sizeof path, Driver.outFolder, fileName);
    ScreenImage image;
    if (CaptureScreen(&image)) return Fail("the screen could not be captured");
    const int failed = WriteBmp(path, &image);
    DeleteObject(image.bitmap);
    return failed ? Fail("cannot write %s", path) : 0;
}

int ReadScreenPixel(int x, int y, COLORREF* color) {
    HDC screen = GetDC(0);
    *color = GetPixel(screen, x, y);
    ReleaseDC(0, screen);
    return *color == CLR_INVALID ? Fail("cannot read the screen at (%d, %d)", x, y) : 0;
}
