// The simulated colorimeter's eye on a real Windows screen: the colour that
// the target window ("target", the patch the user places the instrument on)
// shows under its centre, and the gamma ramp the adapter applies.
//
// The colour is read from the target window's own device context. Under
// Wine what a window paints reaches the screen up to ~50 ms later, so the
// screen would still show the previous patch right after the synchronous
// repaint that precedes every reading; the window's context is exact at
// once, as the light of a real panel is. Where another window covers the
// centre, the window's context has no pixel there and the instrument sees
// the covering window on the screen, read after the paint has reached it.
#include <windows.h>

#include "sim/screen_probe.h"

namespace {

const int kScreenFlushMs = 60;

struct TargetSearch {
    HWND found;
};

BOOL CALLBACK FindVisibleTarget(HWND window, LPARAM data) {
    char name[16];
    if (!IsWindowVisible(window) || !GetClassNameA(window, name, sizeof name) ||
        lstrcmpiA(name, "target") != 0)
        return TRUE;
    reinterpret_cast<TargetSearch*>(data)->found = window;
    return FALSE;
}

// The toolkit is called on the wizard's thread, which owns the target.
BOOL CALLBACK SearchBelowTopLevel(HWND window, LPARAM data) {
    FindVisibleTarget(window, data);
    TargetSearch* search = reinterpret_cast<TargetSearch*>(data);
    if (!search->found) EnumChildWindows(window, FindVisibleTarget, data);
    return search->found == 0;
}

COLORREF ReadWindowPixel(HWND window, int x, int y) {
    HDC context = GetDC(window);
    const COLORREF color = GetPixel(context, x, y);
    ReleaseDC(window, context);
    return color;
}

COLORREF ReadCoveredPixel(HWND window, int x, int y) {
    POINT point = {x, y};
    ClientToScreen(window, &point);
    Sleep(kScreenFlushMs);
    return ReadWindowPixel(0, point.x, point.y);
}

} // namespace

// No visible target window: nothing is under the instrument to measure.
int ProbeTargetColor(int* red, int* green, int* blue) {
    TargetSearch search = {0};
    EnumThreadWindows(GetCurrentThreadId(), SearchBelowTopLevel, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return 1;
    RECT client;
    GetClientRect(search.found, &client);
    const int x = client.right / 2, y = client.bottom / 2;
    COLORREF color = ReadWindowPixel(search.found, x, y);
    if (color == CLR_INVALID) color = ReadCoveredPixel(search.found, x, y);
    if (color == CLR_INVALID) return 1;
    *red = GetRValue(color);
    *green = GetGValue(color);
    *blue = GetBValue(color);
    return 0;
}

// An adapter that refuses to give its ramp still shows every pixel through
// its fixed table, which passes levels unchanged: then the linear ramp.
int ProbeAdapterRamp(GammaRamp* ramp) {
    HDC screen = GetDC(0);
    const BOOL read = GetDeviceGammaRamp(screen, ramp);
    ReleaseDC(0, screen);
    if (read) return 0;
    for (int i = 0; i < 256; ++i)
        ramp->red[i] = ramp->green[i] = ramp->blue[i] = static_cast<unsigned short>(257 * i);
    return 0;
}
