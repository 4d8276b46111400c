// Small helpers for creating and placing the wizard's child windows.
#include "wizard/app_globals_win32.h"
#include "wizard/wizard_controls_win32.h"

HWND CreateControl(HWND parent, const char* className, const char* text, DWORD style, int id,
                   HFONT font, struct LayoutRect place, DWORD exStyle) {
    HWND control = CreateWindowExA(
        exStyle, className, text, WS_CHILD | style, place.x, place.y, place.width, place.height,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), appInstance, 0);
    if (font != 0) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return control;
}

void MoveControl(HWND control, struct LayoutRect place) {
    SetWindowPos(control, 0, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlaceControl(HWND control, struct LayoutRect place) {
    SetWindowPos(control, 0, place.x, place.y, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE ClientSize(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    SIZE size = {client.right, client.bottom};
    return size;
}
