// Keyboard navigation filter shared by the wizard and the log-on loader. Only
// translated characters are looked at, so key presses that make no character
// (arrows, function keys) keep their normal handling.
#include "wizard/navigation_keys_win32.h"

#include "wizard/app_messages.h"

enum { CHAR_TAB = 9, CHAR_ENTER = 13, CHAR_ESC = 27 };

// Tab outside any child control (no focus, or a top-level window) is left alone.
static int FilterTab(HWND target) {
    HWND focus = GetFocus();
    if (focus == 0) return 0;
    const WPARAM id = static_cast<WPARAM>(GetDlgCtrlID(focus) & 0xFFFF);
    if (GetParent(focus) == 0) return 0;
    const UINT message = GetKeyState(VK_SHIFT) < 0 ? APPMSG_FOCUS_PREV : APPMSG_FOCUS_NEXT;
    SendMessageA(target, message, id, 0);
    return 1;
}

int NavigationKeyFilter(const MSG* message, HWND target) {
    if (message->message != WM_CHAR) return 0;
    switch (message->wParam) {
    case CHAR_TAB: return FilterTab(target);
    case CHAR_ENTER: SendMessageA(target, APPMSG_GO_NEXT, 0, 0); return 1;
    case CHAR_ESC: SendMessageA(target, APPMSG_GO_PREV, 0, 0); return 1;
    default: return 0;
    }
}
