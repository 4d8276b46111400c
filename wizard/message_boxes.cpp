// The wizard's message boxes and its one hold on the mouse cursor. The
// cursor is hidden once however often a page asks, and every box appears
// over a visible cursor; a cursor hidden for measuring is hidden again once
// the box has closed.
#include "wizard/box_platform.h"
#include "wizard/ui_operations.h"

int cursorShown = 1;

void HideMouseCursor() {
    if (cursorShown != 1) return;
    ShowSystemCursor(0);
    cursorShown = 0;
}

void ShowMouseCursor() {
    if (cursorShown != 0) return;
    ShowSystemCursor(1);
    cursorShown = 1;
}

static int AskWithCursor(int kind, const char* text) {
    const int wasHidden = cursorShown == 0;
    ShowMouseCursor();
    const int cancel = ShowModalBox(kind, text);
    if (wasHidden) HideMouseCursor();
    return cancel;
}

void ShowErrorMessage(const char* text) {
    AskWithCursor(BOX_ERROR, text);
}

int AskWarning(const char* text) {
    return AskWithCursor(BOX_WARNING, text);
}

int AskRetry(const char* text) {
    return AskWithCursor(BOX_RETRY, text);
}
