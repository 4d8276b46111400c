// Message boxes of the program: the system's dialog class #32770, recognised
// by its caption and by the text of its static message control.
#include "tests/driver/driver_win32.h"

namespace {

struct BoxSearch {
    const char* text;
    const char* caption;
    HWND found;
};

BOOL CALLBACK FindMessageText(HWND child, LPARAM data) {
    BoxSearch* search = reinterpret_cast<BoxSearch*>(data);
    char name[32];
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "Static") != 0) return TRUE;
    char text[DRIVER_MESSAGE_CAPACITY];
    ReadWindowText(child, text, sizeof text, Driver.timeoutMs);
    if (lstrcmpA(text, search->text) != 0) return TRUE;
    search->found = child;
    return FALSE;
}

int IsBoxWithCaption(HWND window, const char* caption) {
    char name[32];
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, "#32770") != 0 || !IsWindowVisible(window)) return 0;
    if (!BelongsToProgram(window)) return 0;
    char text[512];
    ReadWindowText(window, text, sizeof text, Driver.timeoutMs);
    return !caption || lstrcmpA(text, caption) == 0;
}

BOOL CALLBACK TestBox(HWND window, LPARAM data) {
    BoxSearch* search = reinterpret_cast<BoxSearch*>(data);
    if (!IsBoxWithCaption(window, search->caption)) return TRUE;
    if (!search->text) {
        search->found = window;
        return FALSE;
    }
    BoxSearch inner = {search->text, 0, 0};
    EnumChildWindows(window, FindMessageText, reinterpret_cast<LPARAM>(&inner));
    if (!inner.found) return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

// The program's visible message box with exactly this text (any text when
// text is 0) and caption (any caption when caption is 0), or 0.
HWND FindMessageBox(const char* text, const char* caption) {
    BoxSearch search = {text, caption, 0};
    EnumWindows(TestBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
