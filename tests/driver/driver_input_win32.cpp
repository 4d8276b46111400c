// Real input, as a user's mouse and keyboard give it: SendInput puts the
// events into the system's input queue, so the program's message loop (and
// its keyboard filter) sees the same messages a person would cause.
#include "tests/driver/driver_win32.h"

#include "text/text_utils.h"

namespace {

struct KeyName {
    const char* name;
    WORD key;
};

const KeyName kKeyNames[] = {
    {"Enter", VK_RETURN}, {"Esc", VK_ESCAPE},    {"Tab", VK_TAB},     {"Space", VK_SPACE},
    {"Back", VK_BACK},    {"Delete", VK_DELETE}, {"Home", VK_HOME},   {"End", VK_END},
    {"Left", VK_LEFT},    {"Right", VK_RIGHT},   {"Up", VK_UP},       {"Down", VK_DOWN},
    {"F1", VK_F1},        {"F4", VK_F4},         {"Shift", VK_SHIFT}, {"Ctrl", VK_CONTROL},
    {"Alt", VK_MENU},
};

void SendKey(WORD key, int up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

// A character no key of the layout gives, as the system's unicode packet.
void SendCharacterPacket(WCHAR c) {
    INPUT inputs[2] = {};
    for (int i = 0; i < 2; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wScan = c;
        inputs[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
    }
    SendInput(2, inputs, sizeof inputs[0]);
}

// Letters and digits name their own keys ("A", "7").
int KeyOfName(const char* name, WORD* key) {
    for (const KeyName& entry : kKeyNames) {
        if (EqualIgnoringCase(entry.name, name)) {
            *key = entry.key;
            return 0;
        }
    }
    const char c = name[0] >= 'a' && name[0] <= 'z' ? name[0] - 32 : name[0];
    if (name[1] != 0 || !((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return 1;
    *key = static_cast<WORD>(c);
    return 0;
}

// Every event carries its absolute position: the cursor position that the
// system keeps may still be catching up with an earlier move.
void SendMouse(POINT point, DWORD flags) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (point.x * 65536 + width - 1) / width;
    input.mi.dy = (point.y * 65536 + height - 1) / height;
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

int IsSelfOrBelow(HWND hit, HWND window) {
    return hit == window || IsChild(window, hit);
}

} // namespace

void BringProgramForward(HWND window) {
    HWND foreground = GetForegroundWindow();
    if (foreground && BelongsToProgram(foreground)) return;
    SetForegroundWindow(GetAncestor(window, GA_ROOT));
}

static POINT ClickPoint(HWND window, int useOffset, int x, int y) {
    RECT box;
    GetWindowRect(window, &box);
    POINT point = {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    if (useOffset) {
        point.x = x;
        point.y = y;
        ClientToScreen(window, &point);
    }
    return point;
}

// The point to click once it shows the window (a disabled one lets the click
// fall through to its parent, as it does for a person); a closing dialog or
// a page being swapped may cover it for a moment. *hit is the window shown
// there when the wait ends.
static POINT AwaitClickPoint(HWND window, int useOffset, int x, int y, HWND* hit) {
    const int kPollMs = 20;
    const DWORD start = Now();
    for (;;) {
        const POINT point = ClickPoint(window, useOffset, x, y);
        *hit = WindowFromPoint(point);
        if (IsSelfOrBelow(*hit, window) || !IsWindowEnabled(window) ||
            static_cast<int>(Now() - start) >= Driver.timeoutMs)
            return point;
        Sleep(kPollMs);
    }
}

// A left click at the window's centre, or at (x, y) of its client area.
int ClickAt(HWND window, int useOffset, int x, int y) {
    HWND hit;
    const POINT point = AwaitClickPoint(window, useOffset, x, y, &hit);
    if (!IsSelfOrBelow(hit, window) && IsWindowEnabled(window)) {
        char name[64] = "";
        GetClassNameA(hit, name, sizeof name);
        return Fail("the point (%d, %d) shows another window (class %s)", point.x, point.y, name);
    }
    BringProgramForward(window);
    SendMouse(point, 0);
    SendMouse(point, MOUSEEVENTF_LEFTDOWN);
    SendMouse(point, MOUSEEVENTF_LEFTUP);
    return 0;
}

// "Enter", "Shift+Tab", "Alt+F4": modifiers go down in order, then the key
// is pressed and released, then the modifiers come up in reverse order.
int PressKeyChord(const char* chord) {
    WORD keys[4];
    int count = 0;
    char part[32];
    for (const char* p = chord; *p && count < 4;) {
        int length = 0;
        while (p[length] && p[length] != '+' && length < 31)
            ++length;
        CopyTextLimited(p, part, length);
        if (KeyOfName(part, &keys[count++])) return Fail("unknown key %s", part);
        p += length + (p[length] == '+');
    }
    for (int i = 0; i < count; ++i)
        SendKey(keys[i], 0);
    for (int i = count - 1; i >= 0; --i)
        SendKey(keys[i], 1);
    return 0;
}

// Scripts are UTF-8: a character beyond ASCII is one code point, typed as
// the keyboard would (an é reaches an 8-bit program as one byte, 0xE9).
static const char* NextCodePoint(const char* p, WCHAR* c) {
    const unsigned char lead = static_cast<unsigned char>(*p);
    int extra = lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    unsigned value = extra == 2 ? lead & 0x0F : extra == 1 ? lead & 0x1F : lead;
    for (++p; extra > 0 && (static_cast<unsigned char>(*p) & 0xC0) == 0x80; --extra, ++p)
        value = (value << 6) | (static_cast<unsigned char>(*p) & 0x3F);
    *c = static_cast<WCHAR>(value);
    return p;
}

// Each character through the key that gives it (with Shift when needed).
int TypeText(const char* text) {
    for (const char* p = text; *p;) {
        WCHAR c;
        p = NextCodePoint(p, &c);
        const SHORT keyAndShift = c < 0x80 ? VkKeyScanA(static_cast<char>(c)) : -1;
        if (keyAndShift == -1 || (keyAndShift & 0x600)) {
            SendCharacterPacket(c);
            continue;
        }
        const int shift = (keyAndShift & 0x100) != 0;
        if (shift) SendKey(VK_SHIFT, 0);
        SendKey(static_cast<WORD>(keyAndShift & 0xFF), 0);
        SendKey(static_cast<WORD>(keyAndShift & 0xFF), 1);
        if (shift) SendKey(VK_SHIFT, 1);
    }
    return 0;
}
