// Finding the program's windows by selector: top-level windows of the started
// program, and controls anywhere below the current scope window. Texts are
// read with WM_GETTEXT under a timeout, because another process's controls
// keep their text to themselves and a busy program must not hang the driver.
#include "tests/driver/driver_win32.h"

#include "text/text_utils.h"

namespace {

const int kPollMs = 20;

struct Search {
    const WindowSelector* selector;
    HWND found;
};

int ClassMatches(HWND window, const WindowSelector* selector) {
    if (!selector->hasClass) return 1;
    char name[SELECTOR_CLASS_CAPACITY];
    if (!GetClassNameA(window, name, sizeof name)) return 0;
    return EqualIgnoringCase(name, selector->className);
}

// As the text reads on screen: "&Save" shows as Save.
int TextMatches(HWND window, const WindowSelector* selector) {
    if (!selector->hasText) return 1;
    char text[SCRIPT_WORD_CAPACITY];
    ReadWindowText(window, text, sizeof text, Driver.timeoutMs);
    if (lstrcmpA(text, selector->text) == 0) return 1;
    DropMnemonics(text);
    return lstrcmpA(text, selector->text) == 0;
}

// Cheap tests first: the text may need a message round trip.
int Matches(HWND window, const WindowSelector* selector) {
    if (selector->hasId && GetDlgCtrlID(window) != selector->id) return 0;
    return ClassMatches(window, selector) && TextMatches(window, selector);
}

BOOL CALLBACK TestWindow(HWND window, LPARAM data) {
    Search* search = reinterpret_cast<Search*>(data);
    if (!Matches(window, search->selector)) return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK TestTopLevel(HWND window, LPARAM data) {
    if (!BelongsToProgram(window)) return TRUE;
    return TestWindow(window, data);
}

// Controls first under the scope; failing that, the program's top-level
// windows and everything below them (so a selector finds the right window
// also before any scope was chosen).
BOOL CALLBACK SearchBelowTopLevel(HWND window, LPARAM data) {
    if (!BelongsToProgram(window)) return TRUE;
    EnumChildWindows(window, TestWindow, data);
    return reinterpret_cast<Search*>(data)->found == 0;
}

} // namespace

void DropMnemonics(char* text) {
    char* out = text;
    for (const char* p = text; *p; ++p) {
        if (*p == '&' && p[1]) ++p; // "&&" stands for one ampersand
        *out++ = *p;
    }
    *out = 0;
}

int BelongsToProgram(HWND window) {
    if (!Driver.processId) return 1;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId == Driver.processId;
}

HWND FindTopLevel(const WindowSelector* selector) {
    Search search = {selector, 0};
    EnumWindows(TestTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindSelected(const WindowSelector* selector) {
    Search search = {selector, 0};
    if (Driver.scope && IsWindow(Driver.scope)) {
        EnumChildWindows(Driver.scope, TestWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
    }
    HWND topLevel = FindTopLevel(selector);
    if (topLevel) return topLevel;
    EnumWindows(SearchBelowTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND AwaitSelected(const WindowSelector* selector, int timeoutMs) {
    const DWORD start = Now();
    for (;;) {
        HWND window = FindSelected(selector);
        if (window || static_cast<int>(Now() - start) >= timeoutMs) return window;
        Sleep(kPollMs);
    }
}

int ReadWindowText(HWND window, char* text, int capacity, int timeoutMs) {
    DWORD_PTR length = 0;
    text[0] = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, capacity, reinterpret_cast<LPARAM>(text),
                             SMTO_NORMAL, timeoutMs, &length))
        return 0;
    text[length < static_cast<DWORD_PTR>(capacity) ? length : capacity - 1] = 0;
    return 1;
}

void SettleProgram(HWND window) {
    // A sent message is handled only when the thread fetches messages again;
    // input queued just before is fetched in the same round. With no time to
    // wait (timeout 0) the driver acts on a program that is still busy.
    const int kInputDelayMs = 40;
    if (Driver.timeoutMs <= 0) return;
    DWORD_PTR ignored;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, Driver.timeoutMs, &ignored);
    Sleep(kInputDelayMs);
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, Driver.timeoutMs, &ignored);
}
