// The main window's procedure: creates and places every child, colours the
// labels and boxes, turns Enter and Esc into Next and Prev, hands the setup
// form its commands, and runs the exit sequence when it is destroyed.
#include "wizard/main_window_win32.h"

#include <htmlhelp.h>

#include "engine/adapter_ramp.h"
#include "engine/gamma_ramp.h"
#include "meter/colorimeter.h"
#include "profile/save_actions.h"
#include "wizard/app_globals_win32.h"
#include "wizard/app_messages.h"
#include "wizard/page_controller.h"
#include "wizard/settings_persistence.h"
#include "wizard/setup_form_win32.h"
#include "wizard/text_width_win32.h"
#include "wizard/wizard_controls_win32.h"

HWND mainWindow = 0;
int exitRampSaved = 0;
struct WizardControls WizardControls;

enum { RESULTS_CHART_WIDTH = 440, RESULTS_CHART_HEIGHT = 460, TARGET_CLIENT_SIZE = 600 };
enum { TARGET_CENTRED_SIZE = 400, GAUGE_WIDTH = 256, BRIGHTNESS_CHART_HEIGHT = 128 };
// What the exit sequence asks of the help viewer.
static const UINT helpExitCommand = 128;
static const DWORD captionedChildStyle = WS_CAPTION | WS_THICKFRAME | WS_CLIPSIBLINGS;
static const char saveProfileText[] = "Save Profile...";
static const char saveProfileLogText[] = "Save Profile Log...";

HFONT TextWidthFont() {
    return BodyFont;
}
HWND TextWidthWindow() {
    return mainWindow;
}

static SIZE ResultsWindowSize() {
    SIZE size = {frameWidth + 2 * margin + RESULTS_CHART_WIDTH,
                 frameHeight + 2 * margin + RESULTS_CHART_HEIGHT};
    return size;
}

// The target window's place centres a 400 x 400 window, whatever its size.
static POINT TargetWindowPlace(SIZE client) {
    POINT place = {(client.cx - frameWidth - TARGET_CENTRED_SIZE) / 2,
                   (client.cy - frameHeight - TARGET_CENTRED_SIZE) / 2};
    return place;
}

static int SaveProfileLogX(int clientWidth) {
    return ColumnX(clientWidth) + TextWidth(saveProfileText) + 3 * margin;
}

static void CreateChartWindows(HWND window, SIZE client) {
    struct WizardControls& c = WizardControls;
    const int x = ColumnX(client.cx);
    const SIZE results = ResultsWindowSize();
    c.resultsWindow = CreateControl(window, "results", "Results", captionedChildStyle,
                                    ID_RESULTS_WINDOW, 0, x, FormRow(1), results.cx, results.cy);
    const POINT target = TargetWindowPlace(client);
    c.targetWindow = CreateControl(
        window, "target", "Place Calibrator Here", captionedChildStyle, ID_TARGET_WINDOW, 0,
        target.x, target.y, frameWidth + TARGET_CLIENT_SIZE, frameHeight + TARGET_CLIENT_SIZE);
    c.brightnessWindow =
        CreateControl(window, "setbrightness", "Set Brightness Control", captionedChildStyle,
                      ID_BRIGHTNESS_WINDOW, 0, x, FormRow(0), frameWidth + 2 * margin + GAUGE_WIDTH,
                      frameHeight + 2 * margin + BRIGHTNESS_CHART_HEIGHT);
    c.gaugeWindow =
        CreateControl(window, "setwhitepoint", "Set Color Controls", captionedChildStyle,
                      ID_GAUGE_WINDOW, 0, x, FormRow(0), frameWidth + 2 * margin + GAUGE_WIDTH,
                      frameHeight + 3 * controlHeight + 4 * margin);
}

static void CreateSaveButtons(HWND window, int clientWidth) {
    struct WizardControls& c = WizardControls;
    c.saveProfileButton = CreateControl(
        window, "Button", saveProfileText, WS_VISIBLE | BS_PUSHBUTTON, ID_SAVE_PROFILE, BodyFont,
        ColumnX(clientWidth), FormRow(0), TextWidth(saveProfileText) + 2 * margin, controlHeight);
    c.saveProfileLogButton =
        CreateControl(window, "Button", saveProfileLogText, WS_VISIBLE | BS_PUSHBUTTON,
                      ID_SAVE_PROFILE_LOG, BodyFont, SaveProfileLogX(clientWidth), FormRow(0),
                      TextWidth(saveProfileLogText) + 2 * margin, controlHeight);
}

static LRESULT OnCreate(HWND window) {
    struct WizardControls& c = WizardControls;
    const SIZE client = ClientSize(window);
    c.pageTitle =
        CreateControl(window, "static", "Welcome to Prismoth", WS_VISIBLE | SS_LEFT, 0, TitleFont,
                      margin, margin, client.cx - 2 * margin, titleHeight, WS_EX_CLIENTEDGE);
    c.instructionsPanel = CreateControl(window, "instructions", "Instructions", WS_VISIBLE, 0, 0,
                                        margin, titleHeight + 2 * margin, client.cx / 4,
                                        client.cy - 3 * margin - titleHeight);
    CreateSetupForm(window, client.cx);
    CreateChartWindows(window, client);
    CreateSaveButtons(window, client.cx);
    currentPage = 1;
    RunCurrentPage();
    return 0;
}

static void PlaceControl(HWND control, int x, int y, int width, int height) {
    SetWindowPos(control, 0, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

static LRESULT OnSize(HWND window) {
    const struct WizardControls& c = WizardControls;
    const SIZE client = ClientSize(window);
    const int x = ColumnX(client.cx);
    PlaceControl(c.pageTitle, margin, margin, client.cx - 2 * margin, titleHeight);
    PlaceControl(c.instructionsPanel, margin, titleHeight + 2 * margin, client.cx / 4,
                 client.cy - 3 * margin - titleHeight);
    PlaceSetupForm(client.cx);
    const POINT target = TargetWindowPlace(client);
    MoveControl(c.targetWindow, target.x, target.y);
    MoveControl(c.brightnessWindow, x, FormRow(0));
    MoveControl(c.gaugeWindow, x, FormRow(0));
    MoveControl(c.saveProfileButton, x, FormRow(0));
    MoveControl(c.saveProfileLogButton, SaveProfileLogX(client.cx), FormRow(0));
    const SIZE results = ResultsWindowSize();
    PlaceControl(c.resultsWindow, x, FormRow(1), results.cx, results.cy);
    return 0;
}

static LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control == 0) return 0;
    const int id = LOWORD(wParam);
    if (id == ID_SAVE_PROFILE || id == ID_SAVE_PROFILE_LOG) {
        // The actions tell the user of their own failures.
        if (HIWORD(wParam) == BN_CLICKED) id == ID_SAVE_PROFILE ? SaveProfile() : SaveProfileLog();
        return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
    }
    OnSetupFormCommand(id, HIWORD(wParam), control);
    return 0;
}

// Light grey boxes with black text; the page title looks the same.
static LRESULT GreyBoxColors(HDC context) {
    SetTextColor(context, RGB(0, 0, 0));
    SetBkColor(context, RGB(192, 192, 192));
    return reinterpret_cast<LRESULT>(GetStockObject(LTGRAY_BRUSH));
}

// Labels and check boxes: white on the window's black.
static LRESULT OnStaticColor(HDC context, HWND control) {
    if (control == WizardControls.pageTitle) return GreyBoxColors(context);
    SetTextColor(context, RGB(255, 255, 255));
    SetBkColor(context, RGB(0, 0, 0));
    return reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH));
}

// Enter and Esc click Next and Prev, also while the buttons are disabled.
static LRESULT PostNavigation(int id, HWND button) {
    PostMessageA(WizardControls.instructionsPanel, WM_COMMAND, static_cast<WPARAM>(id),
                 reinterpret_cast<LPARAM>(button));
    return 0;
}

static LRESULT OnDestroy() {
    SaveSettings();
    CloseColorimeter();
    // A ramp that was never read from the adapter is not loaded into it.
    if (exitRampSaved) LoadAdapterRamp(&ExitRamp);
    HtmlHelpA(mainWindow, helpFilePath, helpExitCommand, 0);
    FreeAppResources();
    PostQuitMessage(0);
    return 0;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    HDC context = reinterpret_cast<HDC>(wParam);
    switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_SIZE: return OnSize(window);
    case WM_COMMAND: return OnCommand(window, wParam, lParam);
    case WM_CTLCOLOREDIT: return GreyBoxColors(context);
    case WM_CTLCOLORSTATIC: return OnStaticColor(context, reinterpret_cast<HWND>(lParam));
    case APPMSG_GO_PREV: return PostNavigation(ID_PREV, WizardControls.prevButton);
    case APPMSG_GO_NEXT: return PostNavigation(ID_NEXT, WizardControls.nextButton);
    case WM_DESTROY: return OnDestroy();
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}
