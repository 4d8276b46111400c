// Where a window lies and how large it is, as the program placed it: a child
// in its parent's client pixels, a top-level window in the screen's. The
// rectangle read is logged, so that a scenario's output shows the geometry.
#include <cstdio>

#include "tests/driver/driver_commands_win32.h"
#include "tests/driver/driver_win32.h"

namespace {

const int kPollMs = 20;

RECT PlacedRect(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    HWND parent = (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) ? GetParent(window) : 0;
    if (parent) MapWindowPoints(0, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int RectEquals(RECT rect, const int expected[4]) {
    return rect.left == expected[0] && rect.top == expected[1] &&
           rect.right - rect.left == expected[2] && rect.bottom - rect.top == expected[3];
}

} // namespace

// Waits for the rectangle, since the program places its windows in its own time.
int ExpectRect(const ScriptLine* line) {
    HWND window;
    if (Target(line, 1, &window)) return 1;
    int expected[4];
    for (int i = 0; i < 4; ++i)
        expected[i] = ArgInt(line, 2 + i, -1);
    const DWORD start = Now();
    RECT rect = PlacedRect(window);
    while (!RectEquals(rect, expected) && static_cast<int>(Now() - start) < Driver.timeoutMs) {
        Sleep(kPollMs);
        rect = PlacedRect(window);
    }
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    printf("rect %s: at %d %d, %d x %d\n", line->words[1], static_cast<int>(rect.left),
           static_cast<int>(rect.top), width, height);
    if (RectEquals(rect, expected)) return 0;
    return Fail("%s lies at %d %d, %d x %d", line->words[1], static_cast<int>(rect.left),
                static_cast<int>(rect.top), width, height);
}

int PlaceWindow(const ScriptLine* line) {
    HWND window;
    if (Target(line, 1, &window)) return 1;
    const int x = ArgInt(line, 2, 0), y = ArgInt(line, 3, 0);
    const int width = ArgInt(line, 4, 0), height = ArgInt(line, 5, 0);
    if (!SetWindowPos(window, 0, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE))
        return Fail("cannot place %s", line->words[1]);
    SettleProgram(window);
    return 0;
}
