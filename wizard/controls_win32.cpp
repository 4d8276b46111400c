// Small helpers for creating and placing the wizard's child windows.
#include "wizard/app_globals_win32.h"
#include "wizard/wizard_controls_win32.h"

HWND CreateControl(HWND parent, const char* className, const char* text, DWORD style, int id,
                   HFONT font, int x, int y, int width, int height, DWORD exStyle) {
    HWND control =
        CreateWindowExA(exStyle, className, text, WS_CHILD | style, x, y, width, height, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), appInstance, 0);
    if (font != 0) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return control;
}

void MoveControl(HWND control, int x, int y) {
    SetWindowPos(control, 0, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE ClientSize(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    SIZE size = {client.right, client.bottom};
    return size;
}
