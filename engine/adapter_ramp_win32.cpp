// The adapter ramp seam on Windows: the display adapter's gamma ramp through
// a device context of the wizard's main window. A load counts only when the
// adapter holds the ramp afterwards. After a load the main window is
// repainted at once, so what the screen shows already went through the new
// ramp when the call returns.
#include <windows.h>

#include "engine/adapter_ramp.h"
#include "engine/device_ramp_win32.h"
#include "wizard/main_window_win32.h"

int SaveAdapterRamp(GammaRamp* ramp) {
    HDC context = GetDC(mainWindow);
    const BOOL read = GetDeviceGammaRamp(context, ramp);
    ReleaseDC(mainWindow, context);
    return read ? 0 : 1;
}

int LoadAdapterRamp(const GammaRamp* ramp) {
    HDC context = GetDC(mainWindow);
    const int failed = LoadDeviceRamp(context, ramp);
    ReleaseDC(mainWindow, context);
    if (failed) return 1;
    InvalidateRect(mainWindow, 0, TRUE);
    UpdateWindow(mainWindow);
    return 0;
}
