// Framed test windows, and painting a window into memory and saving the
// picture (see the header).
#include "tests/charts/window_picture_win32.h"

namespace {

void SavePicture(const WindowPicture* picture, const BITMAPINFO* info, const char* path) {
    const DWORD imageSize = static_cast<DWORD>(picture->width * picture->height * 4);
    BITMAPFILEHEADER header = {0x4D42, 0, 0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    header.bfSize = header.bfOffBits + imageSize;
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, 0, CREATE_ALWAYS, 0, 0);
    DWORD written;
    WriteFile(file, &header, sizeof header, &written, 0);
    WriteFile(file, &info->bmiHeader, sizeof info->bmiHeader, &written, 0);
    WriteFile(file, picture->pixels, imageSize, &written, 0);
    CloseHandle(file);
}

} // namespace

HWND CreateFramedWindow(const char* className, int clientWidth, int clientHeight) {
    const DWORD style = WS_POPUP | WS_CAPTION | WS_THICKFRAME;
    RECT frame = {0, 0, clientWidth, clientHeight};
    AdjustWindowRect(&frame, style, FALSE);
    return CreateWindowExA(0, className, className, style, 0, 0, frame.right - frame.left,
                           frame.bottom - frame.top, 0, 0, GetModuleHandleA(0), 0);
}

void PaintWindowPicture(HWND window, DWORD background, const char* path, WindowPicture* picture) {
    RECT client;
    GetClientRect(window, &client);
    FreeWindowPicture(picture);
    picture->width = client.right;
    picture->height = client.bottom;
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, picture->width, -picture->height, 1, 32, BI_RGB, 0, 0,
                      0, 0, 0};
    void* bits = nullptr;
    picture->surface = CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, 0, 0);
    picture->pixels = static_cast<DWORD*>(bits);
    for (int i = 0; i < picture->width * picture->height; ++i)
        picture->pixels[i] = background;
    HDC context = CreateCompatibleDC(0);
    HGDIOBJ previous = SelectObject(context, picture->surface);
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(context), PRF_CLIENT);
    GdiFlush();
    SelectObject(context, previous);
    DeleteDC(context);
    SavePicture(picture, &info, path);
}

void FreeWindowPicture(WindowPicture* picture) {
    if (picture->surface) DeleteObject(picture->surface);
    *picture = WindowPicture{};
}

DWORD PicturePixel(const WindowPicture* picture, int x, int y) {
    return picture->pixels[y * picture->width + x] & 0xFFFFFF;
}
