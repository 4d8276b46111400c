// The loader window: two radio buttons that load the calibrated or the flat
// ramp, the profile's description and file name in read-only edits, and the
// reference photograph. Without "manual" it closes itself after five seconds
// unless the user touches it.
#include "loader/loader_window_win32.h"

#include "charts/draw_bitmap_win32.h"
#include "engine/device_ramp_win32.h"
#include "loader/loader_startup.h"
#include "loader/loader_state.h"
#include "wizard/text_width_win32.h"

namespace {

const COLORREF kControlBackground = RGB(192, 192, 192);
const int kLabelWidth = 500;
const int kImageWidth = 400;
const int kImageHeight = 338;

HWND calibratedButton;
HWND flatButton;
int calibratedChosen;

HWND CreateControl(HWND parent, const char* className, const char* text, int id, DWORD style, int x,
                   int y, int width, int height) {
    HWND control = CreateWindowExA(
        0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(NULL), NULL);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(LoaderFont), TRUE);
    return control;
}

HWND CreateRadioButton(HWND parent, const char* text, int id, int y, int checked) {
    const int width = TextWidth(text) + loaderH + loaderM;
    HWND button =
        CreateControl(parent, "Button", text, id, BS_RADIOBUTTON, loaderM, y, width, loaderT);
    SendMessageA(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    return button;
}

void CreateLabelAndEdit(HWND parent, const char* label, const char* text, int labelY) {
    const int T = loaderT;
    const int M = loaderM;
    CreateControl(parent, "static", label, 0, 0, M, labelY, kLabelWidth, T);
    CreateControl(parent, "edit", text, 0, ES_READONLY | ES_AUTOHSCROLL, 2 * M, labelY + T,
                  kLabelWidth - M, T);
}

void CreateControls(HWND window) {
    const int T = loaderT;
    const int M = loaderM;
    calibratedButton =
        CreateRadioButton(window, "Use Calibrated Lookup Tables", IDC_USE_CALIBRATED, M, 1);
    flatButton = CreateRadioButton(window, "Use Flat Lookup Tables", IDC_USE_FLAT, M + T, 0);
    CreateLabelAndEdit(window, "Profile Description:", LoaderDescription, 2 * M + 2 * T);
    CreateLabelAndEdit(window, "Profile Filename:", FileNameOfPath(LoaderProfilePath),
                       3 * M + 4 * T);
}

void SizeWindow(HWND window) {
    const int width = loaderFrameWidth + 2 * loaderM + kImageWidth;
    const int height = loaderFrameHeight + 6 * loaderM + 6 * loaderT + kImageHeight;
    SetWindowPos(window, NULL, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
}

void StopTimer(HWND window) {
    if (!ManualMode) KillTimer(window, LOADER_TIMER_ID);
}

void OnCreate(HWND window) {
    calibratedChosen = 1;
    CreateControls(window);
    SizeWindow(window);
    if (!ManualMode) SetTimer(window, LOADER_TIMER_ID, LOADER_TIMER_PERIOD, NULL);
}

void OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    DrawBitmap(dc, ReferenceImage, loaderM, 4 * loaderM + 6 * loaderT, DRAW_BITMAP_COPY);
    EndPaint(window, &paint);
}

void OnRampChosen(HWND window, int calibrated) {
    StopTimer(window);
    calibratedChosen = calibrated;
    if (LoadRampOnWindow(window, calibrated ? &CalibratedRamp : &FlatRamp) != 0)
        MessageBoxA(window, "Cannot load color lookup tables", "Error", MB_OK);
    SendMessageA(calibratedButton, BM_SETCHECK, calibratedChosen ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageA(flatButton, BM_SETCHECK, calibratedChosen ? BST_UNCHECKED : BST_CHECKED, 0);
}

void OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    if (lParam == 0 || HIWORD(wParam) != BN_CLICKED) return;
    if (LOWORD(wParam) == IDC_USE_CALIBRATED) OnRampChosen(window, 1);
    if (LOWORD(wParam) == IDC_USE_FLAT) OnRampChosen(window, 0);
}

LRESULT OnControlColor(HDC dc) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, kControlBackground);
    return reinterpret_cast<LRESULT>(GetStockObject(LTGRAY_BRUSH));
}

void OnDestroy(HWND window) {
    StopTimer(window);
    DeleteObject(ReferenceImage);
    ReferenceImage = NULL;
    PostQuitMessage(0);
}

} // namespace

int LoadRampOnWindow(HWND window, const GammaRamp* ramp) {
    HDC dc = GetDC(window);
    const int failed = LoadDeviceRamp(dc, ramp);
    ReleaseDC(window, dc);
    return failed;
}

LRESULT CALLBACK LoaderWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: OnCreate(window); return 0;
    case WM_PAINT: OnPaint(window); return 0;
    case WM_COMMAND: OnCommand(window, wParam, lParam); return 0;
    case WM_TIMER: PostMessageA(window, WM_CLOSE, 0, 0); return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: return OnControlColor(reinterpret_cast<HDC>(wParam));
    case WM_LBUTTONDOWN: StopTimer(window); return 0;
    case WM_DESTROY: OnDestroy(window); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}
