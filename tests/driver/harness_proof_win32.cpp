// A small Windows program that stands in for the wizard while the harness is
// proved: it starts like the wizard (colour-depth check, save the adapter's
// ramp and refuse without one), and has the kinds of controls the driver
// must work: an edit box, push buttons, a message box, a non-automatic check
// box, a drop-down list, a "target" patch that repaints synchronously, and a
// message loop filter that sees Enter, Esc, Tab and Shift+Tab as characters.
#include <windows.h>

#include "engine/adapter_ramp.h"
#include "wizard/main_window_win32.h"

HWND mainWindow;

namespace {

enum {
    ID_ANSWER = 200,
    ID_BOX = 201,
    ID_ASK = 202,
    ID_TICK = 203,
    ID_LIST = 204,
    ID_HALF_RAMP = 205,
    ID_RED = 206,
    ID_TARGET = 105,
};

HINSTANCE instance;
HWND answerLabel, targetWindow;
COLORREF targetColor = RGB(0, 0, 0);
GammaRamp startRamp;

HWND AddChild(HWND parent, const char* className, const char* text, DWORD style, int id, int x,
              int y, int width, int height) {
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, 0);
}

void CreateControls(HWND window) {
    answerLabel = AddChild(window, "static", "Answer: none", 0, ID_ANSWER, 10, 10, 300, 20);
    AddChild(window, "edit", "", ES_AUTOHSCROLL | WS_BORDER, ID_BOX, 10, 40, 300, 24);
    AddChild(window, "Button", "Ask", BS_PUSHBUTTON, ID_ASK, 320, 40, 80, 24);
    AddChild(window, "Button", "Tick me", BS_CHECKBOX, ID_TICK, 10, 70, 150, 24);
    HWND list =
        AddChild(window, "combobox", "", CBS_DROPDOWNLIST | WS_VSCROLL, ID_LIST, 170, 70, 140, 100);
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("CRT"));
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("LCD"));
    SendMessageA(list, CB_SETCURSEL, 0, 0);
    AddChild(window, "Button", "Half Ramp", BS_PUSHBUTTON, ID_HALF_RAMP, 10, 100, 100, 24);
    AddChild(window, "Button", "Red", BS_PUSHBUTTON, ID_RED, 120, 100, 80, 24);
    targetWindow = AddChild(window, "target", "Place Calibrator Here", WS_CAPTION, ID_TARGET, 10,
                            140, 240, 200);
}

void SetAnswer(const char* text) {
    SetWindowTextA(answerLabel, text);
}

void Ask(HWND window) {
    char typed[200], question[260];
    GetDlgItemTextA(window, ID_BOX, typed, sizeof typed);
    wsprintfA(question, "You typed: %s", typed);
    const int choice = MessageBoxA(window, question, "Question", MB_OKCANCEL);
    SetAnswer(choice == IDOK ? "Answer: OK" : "Answer: Cancel");
}

void ToggleTick(HWND window) {
    HWND box = GetDlgItem(window, ID_TICK);
    const LRESULT checked = SendMessageA(box, BM_GETCHECK, 0, 0);
    SendMessageA(box, BM_SETCHECK, checked == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
}

void ShowPicked(HWND list) {
    char item[32], text[64];
    GetWindowTextA(list, item, sizeof item);
    wsprintfA(text, "Picked: %s", item);
    SetAnswer(text);
}

// Every entry at half its linear level: 257 i / 2.
void LoadHalfRamp() {
    static GammaRamp half;
    for (int i = 0; i < 256; ++i)
        half.red[i] = half.green[i] = half.blue[i] = static_cast<unsigned short>(257 * i / 2);
    SetAnswer(LoadAdapterRamp(&half) ? "Ramp: refused" : "Ramp: half");
}

void PaintRed() {
    targetColor = RGB(255, 0, 0);
    InvalidateRect(targetWindow, 0, FALSE);
    UpdateWindow(targetWindow);
}

void OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    if (!lParam) return;
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    if (id == ID_ASK && code == BN_CLICKED) Ask(window);
    if (id == ID_TICK && code == BN_CLICKED) ToggleTick(window);
    if (id == ID_LIST && code == CBN_SELCHANGE) ShowPicked(reinterpret_cast<HWND>(lParam));
    if (id == ID_HALF_RAMP && code == BN_CLICKED) LoadHalfRamp();
    if (id == ID_RED && code == BN_CLICKED) PaintRed();
}

LRESULT CALLBACK MainProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: CreateControls(window); return 0;
    case WM_COMMAND: OnCommand(window, wParam, lParam); return 0;
    case WM_DESTROY:
        LoadAdapterRamp(&startRamp);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK TargetProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC context = BeginPaint(window, &paint);
    HBRUSH brush = CreateSolidBrush(targetColor);
    RECT client;
    GetClientRect(window, &client);
    FillRect(context, &client, brush);
    DeleteObject(brush);
    EndPaint(window, &paint);
    return 0;
}

void RegisterClassNamed(const char* name, WNDPROC procedure, int brush) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(0, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(brush));
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
}

// Enter, Esc, Tab and Shift+Tab as the wizard's filter sees them: consumed
// characters, reported on the answer label.
int FilterKey(const MSG* message) {
    if (message->message != WM_CHAR) return 0;
    const char* name = 0;
    if (message->wParam == 13) name = "Key: Enter";
    if (message->wParam == 27) name = "Key: Esc";
    if (message->wParam == 9) name = GetKeyState(VK_SHIFT) < 0 ? "Key: Shift+Tab" : "Key: Tab";
    if (!name) return 0;
    SetAnswer(name);
    return 1;
}

int DisplayDepth() {
    HDC screen = GetDC(0);
    const int bits = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(0, screen);
    return bits;
}

} // namespace

int WINAPI WinMain(HINSTANCE thisInstance, HINSTANCE, LPSTR, int) {
    instance = thisInstance;
    if (DisplayDepth() < 24) {
        MessageBoxA(0, "The display has fewer than 24 bits per pixel.", "Error", MB_OK);
        return 0;
    }
    RegisterClassNamed("harness proof", MainProcedure, LTGRAY_BRUSH);
    RegisterClassNamed("target", TargetProcedure, BLACK_BRUSH);
    mainWindow = CreateWindowExA(0, "harness proof", "Harness Proof",
                                 WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU, 0, 0, 500, 400, 0,
                                 0, instance, 0);
    if (SaveAdapterRamp(&startRamp)) {
        MessageBoxA(0, "The adapter has no gamma ramp.", "Warning", MB_OK);
        DestroyWindow(mainWindow);
        return 0;
    }
    MSG message;
    while (GetMessageA(&message, 0, 0, 0) > 0) {
        if (FilterKey(&message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
