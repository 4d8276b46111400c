// The wizard's entry: refuses old systems and shallow displays, registers the
// window classes, creates the fonts and measures, loads the bitmaps, finds the
// help file, loads the settings, opens the main window, puts a linear ramp in
// the adapter and runs the message loop with the keyboard filter.
#include "charts/chart_windows_win32.h"
#include "charts/results_window_win32.h"
#include "engine/adapter_ramp.h"
#include "engine/gamma_ramp.h"
#include "engine/lookup_tables.h"
#include "meter/colorimeter.h"
#include "resources/resource_ids.h"
#include "text/text_format.h"
#include "text/text_utils.h"
#include "wizard/app_globals_win32.h"
#include "wizard/instructions_panel_win32.h"
#include "wizard/main_window_win32.h"
#include "wizard/navigation_keys_win32.h"
#include "wizard/screen_measures_win32.h"
#include "wizard/settings_persistence.h"
#include "wizard/start_up_checks.h"
#include "wizard/system_version_win32.h"

HINSTANCE appInstance;
HICON appIcon;
HFONT BodyFont;
HFONT TitleFont;
HBITMAP wizardBitmaps[WIZARD_BITMAP_COUNT];
char helpFilePath[MAX_PATH];
int textHeight, controlHeight, margin, titleHeight;
int frameWidth, frameHeight, scrollBarWidth;

enum { MIN_BITS_PER_PIXEL = 24, MAIN_WIDTH = 900, MAIN_HEIGHT = 700, TITLE_SIZE = 64 };
enum { BODY_FONT_HEIGHT = 15, TITLE_FONT_HEIGHT = 19 };

static const int bitmapIds[WIZARD_BITMAP_COUNT] = {
    IDBLACKPOINTER,    IDREDPOINTER,      IDGREENPOINTER,    IDBLUEPOINTER,
    IDCHROMATICITYD75, IDCHROMATICITYD65, IDCHROMATICITYD50, IDCURVES};

static const char noLookupTablesText[] =
    "Your display adapter does not support color lookup tables.";

static int RefuseStart(const char* text, const char* caption) {
    MessageBoxA(0, text, caption, MB_OK);
    return 0;
}

static int ScreenBitsPerPixel() {
    HDC screen = GetDC(0);
    const int bits = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(0, screen);
    return bits;
}

static void RegisterWindowClass(const char* name, WNDPROC procedure, int backgroundBrush) {
    WNDCLASSA windowClass;
    FillBytes(&windowClass, sizeof windowClass, 0);
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = appInstance;
    windowClass.hIcon = appIcon;
    windowClass.hCursor = LoadCursor(0, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(backgroundBrush));
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
}

static void RegisterWindowClasses() {
    RegisterWindowClass("target", TargetWindowProc, BLACK_BRUSH);
    RegisterWindowClass("results", ResultsWindowProc, BLACK_BRUSH);
    RegisterWindowClass("setbrightness", BrightnessWindowProc, LTGRAY_BRUSH);
    RegisterWindowClass("setwhitepoint", GaugeWindowProc, LTGRAY_BRUSH);
    RegisterWindowClass("instructions", InstructionsPanelProc, LTGRAY_BRUSH);
    RegisterWindowClass("prismoth monitor", MainWindowProc, BLACK_BRUSH);
}

static void CreateFontsAndMeasures() {
    BodyFont = CreateAppFont("Times New Roman", BODY_FONT_HEIGHT, FW_NORMAL);
    TitleFont = CreateAppFont("Arial", TITLE_FONT_HEIGHT, FW_BOLD);
    const struct WizardMeasures m = WizardMeasuresFor(
        CharacterHeight(BodyFont), CharacterHeight(TitleFont), ReadFrameMetrics());
    textHeight = m.textHeight;
    controlHeight = m.controlHeight;
    margin = m.margin;
    titleHeight = m.titleHeight;
    frameWidth = m.frameWidth;
    frameHeight = m.frameHeight;
    scrollBarWidth = m.scrollBarWidth;
}

struct WizardMeasures CurrentMeasures() {
    const struct WizardMeasures m = {textHeight, controlHeight, margin,        titleHeight,
                                     frameWidth, frameHeight,   scrollBarWidth};
    return m;
}

static void LoadBitmaps() {
    for (int i = 0; i < WIZARD_BITMAP_COUNT; ++i)
        wizardBitmaps[i] = LoadBitmapA(appInstance, MAKEINTRESOURCEA(bitmapIds[i]));
}

void FreeAppResources() {
    for (int i = 0; i < WIZARD_BITMAP_COUNT; ++i)
        DeleteObject(wizardBitmaps[i]);
    DestroyIcon(appIcon);
    DeleteObject(BodyFont);
    DeleteObject(TitleFont);
}

// A path the system had to cut is no path: the help file is then not found.
static void FindHelpFile() {
    char programPath[PROGRAM_PATH_SIZE];
    const DWORD length = GetModuleFileNameA(0, programPath, PROGRAM_PATH_SIZE);
    if (length == 0 || length >= PROGRAM_PATH_SIZE) programPath[0] = 0;
    HelpPathForProgram(programPath, helpFilePath, MAX_PATH);
}

static void CreateMainWindow() {
    char title[TITLE_SIZE];
    FormatText(title, TITLE_SIZE, "Prismoth - Monitor 1.0.0.2");
    firmwareText[0] = 0;
    toolkitRevisionText[0] = 0;
    const DWORD style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                        WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    mainWindow = CreateWindowExA(0, "prismoth monitor", title, style, 0, 0, MAIN_WIDTH, MAIN_HEIGHT,
                                 0, 0, appInstance, 0);
}

// Keeps the adapter's ramp for the exit and loads the linear one; on failure
// warns and closes the main window through its exit sequence.
static int TakeOverAdapterRamp() {
    exitRampSaved = SaveAdapterRamp(&ExitRamp) == 0;
    MakeLinearRamp(&LinearRamp);
    if (exitRampSaved && LoadAdapterRamp(&LinearRamp) == 0) return 0;
    MessageBoxA(0, noLookupTablesText, "Warning", MB_OK);
    DestroyWindow(mainWindow);
    return 1;
}

// Returns the quit message's value (0 should the fetch itself fail).
static int RunMessageLoop() {
    MSG message;
    BOOL fetched;
    while ((fetched = GetMessageA(&message, 0, 0, 0)) > 0) {
        if (NavigationKeyFilter(&message, mainWindow)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return fetched == 0 ? static_cast<int>(message.wParam) : 0;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    mainWindow = 0;
    if (!IsRunningSystemSupported())
        return RefuseStart("Prismoth requires Windows 98/Windows 2000 or later.", "Error");
    if (ScreenBitsPerPixel() < MIN_BITS_PER_PIXEL)
        return RefuseStart("Prismoth requires your display to be set to at least 24-bit color.",
                           "Error");
    appInstance = instance;
    appIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDAPPLICATIONICON));
    RegisterWindowClasses();
    CreateFontsAndMeasures();
    LoadBitmaps();
    FindHelpFile();
    LoadSettings();
    CreateMainWindow();
    if (mainWindow == 0) return 0;
    if (TakeOverAdapterRamp() != 0) return 0;
    ShowWindow(mainWindow, SW_SHOWMAXIMIZED);
    return RunMessageLoop();
}
