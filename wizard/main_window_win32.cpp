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
#include "wizard/grey_box_colors_win32.h"
#include "wizard/page_controller.h"
#include "wizard/settings_persistence.h"
#include "wizard/setup_form_win32.h"
#include "wizard/text_width_win32.h"
#include "wizard/window_layout.h"
#include "wizard/wizard_controls_win32.h"

HWND mainWindow = 0;
int exitRampSaved = 0;
struct WizardControls WizardControls;

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

static struct LayoutRect SaveProfileRect(int clientWidth) {
    return SaveProfileButtonRect(CurrentMeasures(), clientWidth, TextWidth(saveProfileText));
}

static struct LayoutRect SaveProfileLogRect(int clientWidth) {
    return SaveProfileLogButtonRect(CurrentMeasures(), clientWidth, TextWidth(saveProfileText),
                                    TextWidth(saveProfileLogText));
}

static void CreateChartWindows(HWND window, SIZE client) {
    struct WizardControls& c = WizardControls;
    const struct WizardMeasures m = CurrentMeasures();
    c.resultsWindow = CreateControl(window, "results", "Results", captionedChildStyle,
                                    ID_RESULTS_WINDOW, 0, ResultsWindowRect(m, client.cx));
    c.targetWindow = CreateControl(window, "target", "Place Calibrator Here", captionedChildStyle,
                                   ID_TARGET_WINDOW, 0, TargetWindowRect(m, client.cx, client.cy));
    c.brightnessWindow =
        CreateControl(window, "setbrightness", "Set Brightness Control", captionedChildStyle,
                      ID_BRIGHTNESS_WINDOW, 0, BrightnessWindowRect(m, client.cx));
    c.gaugeWindow =
        CreateControl(window, "setwhitepoint", "Set Color Controls", captionedChildStyle,
                      ID_GAUGE_WINDOW, 0, GaugeWindowRect(m, client.cx));
}

static void CreateSaveButtons(HWND window, int clientWidth) {
    struct WizardControls& c = WizardControls;
    const DWORD style = WS_VISIBLE | BS_PUSHBUTTON;
    c.saveProfileButton = CreateControl(window, "Button", saveProfileText, style, ID_SAVE_PROFILE,
                                        BodyFont, SaveProfileRect(clientWidth));
    c.saveProfileLogButton =
        CreateControl(window, "Button", saveProfileLogText, style, ID_SAVE_PROFILE_LOG, BodyFont,
                      SaveProfileLogRect(clientWidth));
}

static LRESULT OnCreate(HWND window) {
    struct WizardControls& c = WizardControls;
    const struct WizardMeasures m = CurrentMeasures();
    const SIZE client = ClientSize(window);
    c.pageTitle = CreateControl(window, "static", "Welcome to Prismoth", WS_VISIBLE | SS_LEFT, 0,
                                TitleFont, PageTitleRect(m, client.cx), WS_EX_CLIENTEDGE);
    c.instructionsPanel = CreateControl(window, "instructions", "Instructions", WS_VISIBLE, 0, 0,
                                        InstructionsPanelRect(m, client.cx, client.cy));
    CreateSetupForm(window, client.cx);
    CreateChartWindows(window, client);
    CreateSaveButtons(window, client.cx);
    currentPage = 1;
    RunCurrentPage();
    return 0;
}

static LRESULT OnSize(HWND window) {
    const struct WizardControls& c = WizardControls;
    const struct WizardMeasures m = CurrentMeasures();
    const SIZE client = ClientSize(window);
    PlaceControl(c.pageTitle, PageTitleRect(m, client.cx));
    PlaceControl(c.instructionsPanel, InstructionsPanelRect(m, client.cx, client.cy));
    PlaceSetupForm(client.cx);
    MoveControl(c.targetWindow, TargetWindowRect(m, client.cx, client.cy));
    MoveControl(c.brightnessWindow, BrightnessWindowRect(m, client.cx));
    MoveControl(c.gaugeWindow, GaugeWindowRect(m, client.cx));
    MoveControl(c.saveProfileButton, SaveProfileRect(client.cx));
    MoveControl(c.saveProfileLogButton, SaveProfileLogRect(client.cx));
    PlaceControl(c.resultsWindow, ResultsWindowRect(m, client.cx));
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

// Labels and check boxes: white on the window's black; the page title is a
// grey box.
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
