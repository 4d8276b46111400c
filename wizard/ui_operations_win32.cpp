// The page controller's UI operations on the wizard's real windows. Each acts
// at once: what a page shows is on the screen before its next measurement.
#include "wizard/ui_operations.h"

#include "wizard/app_messages.h"
#include "wizard/box_platform.h"
#include "wizard/main_window_win32.h"
#include "wizard/page_controller.h"
#include "wizard/wizard_controls_win32.h"

void SetPageTitle(const char* text) {
    SetWindowTextA(WizardControls.pageTitle, text);
}

void SetInstructions(const char* text) {
    SetWindowTextA(WizardControls.instructionsBox, text);
    UpdateWindow(WizardControls.instructionsBox);
}

void SetTargetColor(int red, int green, int blue) {
    const LPARAM color = (red & 255) + (green & 255) * 256 + (blue & 255) * 65536;
    SendMessageA(WizardControls.targetWindow, APPMSG_TARGET_COLOR, 0, color);
    UpdateWindow(WizardControls.targetWindow);
}

static void ShowAndRepaint(HWND window) {
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
}

void ShowTargetWindow() {
    ShowWindow(WizardControls.targetWindow, SW_SHOW);
}
void HideTargetWindow() {
    ShowWindow(WizardControls.targetWindow, SW_HIDE);
}
void ShowBrightnessWindow() {
    ShowAndRepaint(WizardControls.brightnessWindow);
}
void HideBrightnessWindow() {
    ShowWindow(WizardControls.brightnessWindow, SW_HIDE);
}

void RepaintBrightnessWindow() {
    InvalidateRect(WizardControls.brightnessWindow, 0, TRUE);
    UpdateWindow(WizardControls.brightnessWindow);
}

void ShowGaugeWindow() {
    ShowAndRepaint(WizardControls.gaugeWindow);
}
void HideGaugeWindow() {
    ShowWindow(WizardControls.gaugeWindow, SW_HIDE);
}

void SetGaugeValues(int pointersShown, int red, int green, int blue) {
    HWND gauges = WizardControls.gaugeWindow;
    const WPARAM flag = static_cast<WPARAM>(pointersShown);
    SendMessageA(gauges, APPMSG_GAUGE_RED, flag, static_cast<LPARAM>(red));
    SendMessageA(gauges, APPMSG_GAUGE_GREEN, flag, static_cast<LPARAM>(green));
    SendMessageA(gauges, APPMSG_GAUGE_BLUE, flag, static_cast<LPARAM>(blue));
}

void ShowResultsWindow() {
    ShowWindow(WizardControls.resultsWindow, SW_SHOW);
}

void ShowSaveButtons() {
    ShowWindow(WizardControls.saveProfileButton, SW_SHOW);
    ShowWindow(WizardControls.saveProfileLogButton, SW_SHOW);
}

// A disabled control loses the keyboard focus, and with no window holding it
// keys reach the main window as system keys, which the keyboard filter does
// not look at: Enter and Esc would be dead after every measurement. The main
// window takes the focus instead (only while it is the active window, so a
// wizard in the background is not brought forward).
static void EnableControl(HWND control, BOOL enable) {
    EnableWindow(control, enable);
    if (!enable && GetFocus() == 0 && GetActiveWindow() == mainWindow) SetFocus(mainWindow);
}

void EnableTryAgain() {
    EnableControl(WizardControls.tryAgainButton, TRUE);
}
void DisableTryAgain() {
    EnableControl(WizardControls.tryAgainButton, FALSE);
}

static void EnableNavigation(BOOL enable) {
    EnableControl(WizardControls.prevButton, enable);
    EnableControl(WizardControls.nextButton, enable);
    EnableControl(WizardControls.helpButton, enable);
    EnableControl(WizardControls.exitButton, enable);
}

void BeginMeasuring() {
    HideMouseCursor();
    EnableNavigation(FALSE);
}

void EndMeasuring() {
    ShowMouseCursor();
    EnableNavigation(TRUE);
}

void ShowSystemCursor(int show) {
    ShowCursor(show ? TRUE : FALSE);
}

int ShowModalBox(int kind, const char* text) {
    const char* caption = kind == BOX_WARNING ? "Warning" : "Error";
    const UINT buttons = kind == BOX_ERROR ? MB_OK : MB_OKCANCEL;
    return MessageBoxA(mainWindow, text, caption, buttons) == IDCANCEL ? 1 : 0;
}

void Beep() {
    MessageBeep(0);
}

static void ShowFormControls(BOOL show) {
    const struct WizardControls& c = WizardControls;
    const int command = show ? SW_SHOW : SW_HIDE;
    const HWND controls[] = {c.monitorTypeList,
                             c.brightnessBox,
                             c.colorBox,
                             c.gammaList,
                             c.whitePointList,
                             c.formLabels[MONITOR_TYPE_LABEL],
                             c.formLabels[GAMMA_LABEL],
                             c.formLabels[WHITE_POINT_LABEL],
                             c.formLabels[DESCRIPTION_LABEL],
                             c.descriptionBox,
                             c.formLabels[COPYRIGHT_LABEL],
                             c.copyrightBox};
    for (HWND control : controls)
        ShowWindow(control, command);
}

void ResetPageControls() {
    const struct WizardControls& c = WizardControls;
    EnableControl(c.prevButton, currentPage > 1);
    EnableControl(c.nextButton, TRUE);
    ShowFormControls(FALSE);
    ShowWindow(c.saveProfileButton, SW_HIDE);
    ShowWindow(c.saveProfileLogButton, SW_HIDE);
    HideTargetWindow();
    ShowWindow(c.brightnessWindow, SW_HIDE);
    ShowWindow(c.gaugeWindow, SW_HIDE);
    ShowWindow(c.resultsWindow, SW_HIDE);
    DisableTryAgain();
}

void ShowSetupForm() {
    SetPageTitle("Setup");
    ShowFormControls(TRUE);
}

void RepaintInstructionsPanel() {
    InvalidateRect(WizardControls.instructionsPanel, 0, FALSE);
    UpdateWindow(WizardControls.instructionsPanel);
}
