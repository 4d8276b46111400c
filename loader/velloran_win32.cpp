// Velloran's entry: the start-up checks, the window class, font and measures,
// the first load of the calibrated lookup table and the message loop. It runs
// at log-on so that the calibration holds after a restart.
#include <windows.h>

#include "engine/lookup_tables.h"
#include "loader/loader_startup.h"
#include "loader/loader_window_win32.h"
#include "resources/resource_ids.h"
#include "wizard/navigation_keys_win32.h"
#include "wizard/screen_measures_win32.h"
#include "wizard/text_width_win32.h"

HFONT LoaderFont;
HBITMAP ReferenceImage;
// 0 while the window is being created, so its controls are measured on the screen.
static HWND loaderWindow;
struct LoaderMeasures loaderMeasures;

namespace {

const char kClassName[] = "Velloran";
const int kLoaderFontHeight = 15;

void RegisterLoaderClass(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = LoaderWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDMAIN));
    windowClass.hCursor = LoadCursorA(NULL, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);
}

// The font, and the measures taken from it and from the system's frames.
void CreateLoaderFont() {
    LoaderFont = CreateAppFont("Times New Roman", kLoaderFontHeight, FW_NORMAL);
    loaderMeasures = LoaderMeasuresFor(CharacterHeight(LoaderFont), ReadFrameMetrics());
}

HWND CreateLoaderWindow(HINSTANCE instance) {
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE;
    const struct LayoutRect place = LoaderWindowCreatedRect(loaderMeasures);
    return CreateWindowExA(0, kClassName, "Velloran 1.0", style, place.x, place.y, place.width,
                           place.height, NULL, NULL, instance, NULL);
}

// No window means no quit message would ever come: the program would wait,
// unseen, until the user logs off. It ends at once, the adapter untouched.
int EndWithoutWindow() {
    DeleteObject(ReferenceImage);
    DeleteObject(LoaderFont);
    return 1;
}

int RunMessageLoop(HWND window) {
    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        if (NavigationKeyFilter(&message, window)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace

HFONT TextWidthFont() {
    return LoaderFont;
}
HWND TextWidthWindow() {
    return loaderWindow;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    if (RunLoaderChecks() != 0) return 0;
    ManualMode = IsManualCommandLine(commandLine);
    RegisterLoaderClass(instance);
    CreateLoaderFont();
    MakeLinearRamp(&FlatRamp);
    ReferenceImage = LoadBitmapA(instance, MAKEINTRESOURCEA(IDREFERENCEIMAGE));
    loaderWindow = CreateLoaderWindow(instance);
    if (!loaderWindow) return EndWithoutWindow();
    if (LoadRampOnWindow(loaderWindow, &CalibratedRamp) != 0)
        MessageBoxA(loaderWindow, "Cannot load color lookup tables", "Error", MB_OK);
    const int exitCode = RunMessageLoop(loaderWindow);
    DeleteObject(LoaderFont);
    return exitCode;
}
