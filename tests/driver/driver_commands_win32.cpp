// The scenario commands. Every wait polls until its condition holds or the
// timeout (10 s unless "timeout" changed it, or the command's own seconds)
// runs out, since the program answers input in its own time.
//
//   start PROGRAM [ARGUMENT...]   start a program; its windows are searched
//   window SELECTOR [SECONDS]     wait for its top-level window; the scope
//   expect SELECTOR STATE [SECONDS]  exists gone visible hidden enabled
//                                 disabled checked unchecked focused
//   expect-text SELECTOR TEXT     the window's text becomes exactly TEXT
//   expect-text-has SELECTOR PART ... contains PART
//   click SELECTOR [X Y]          real left click (centre, or client X Y)
//   type SELECTOR TEXT            click into a box, End, then type real keys
//   replace SELECTOR TEXT         click into a box, select all its text, type
//   set-text SELECTOR TEXT        replace a box's text at once (WM_SETTEXT)
//   select SELECTOR ITEM          open a drop-down list, click the item
//   key CHORD...                  real keys: Enter Esc Tab Shift+Tab Alt+F4
//   answer TEXT [CAPTION] BUTTON  press a button of the program's message box
//   no-box SECONDS                no message box appears meanwhile
//   box TEXT [CAPTION]            the program's message box is open (left open)
//   close                         the scope window's close command
//   exit-code CODE [SECONDS]      the program ends with CODE
//   kill                          end the program now
//   ramp-set linear|gamma G|file PATH     load a ramp into the adapter
//   ramp-expect linear|gamma G|file PATH  the adapter's ramp (8-bit levels)
//   ramp-differs linear|gamma G|file PATH differs from it in some 8-bit level
//   ramp-save PATH                write the adapter's ramp as 768 numbers
//   expect-file PATH [SECONDS]    the file exists (and is not empty)
//   remove-file PATH              the file is gone (whether it was there or not)
//   color SELECTOR R G B          the screen shows R G B at its client centre
//   screenshot NAME               OUTFOLDER/NAME.bmp of the whole screen
//   sleep MS, timeout SECONDS, echo TEXT...
//                                 (timeout 0: input without waiting for the
//                                 program, to act while a page measures)
//   reg-set KEY VALUE sz|dword DATA, reg-delete KEY [VALUE],
//   reg-expect KEY VALUE DATA, reg-expect-missing KEY [VALUE]   (under HKCU)
//   cursor shown|hidden [SECONDS] the mouse cursor, as GetCursorInfo reports
//                                 it for the program in the foreground
//   refuse-windows CLASS          programs started from now on cannot create
//                                 windows of CLASS ("" lifts it)
//   expect-line PATH N TEXT       line N (from 1) of the file is exactly TEXT
//   expect-line-has PATH N PART   ... contains PART
//   expect-rect SELECTOR X Y W H  the window lies at X Y (its parent's client
//                                 pixels, the screen's for a top-level window)
//                                 and is W x H; the rectangle read is logged
//   place SELECTOR X Y W H        move and size the window there at once
#include "tests/driver/driver_commands_win32.h"

#include <cstdio>

#include "tests/driver/driver_win32.h"
#include "text/text_format.h"
#include "text/text_utils.h"

namespace {

const int kPollMs = 20;

int Selector(const ScriptLine* line, int i, WindowSelector* selector) {
    if (i >= line->count || ParseSelector(line->words[i], selector))
        return Fail("word %d is not a window selector", i);
    return 0;
}

int IsFocused(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, 0), &info);
    return info.hwndFocus == window;
}

int CheckState(HWND window) {
    DWORD_PTR state = 0;
    SendMessageTimeoutA(window, BM_GETCHECK, 0, 0, SMTO_NORMAL, Driver.timeoutMs, &state);
    return static_cast<int>(state);
}

// 1 when the window is in the named state; -1 for an unknown state.
int StateHolds(HWND window, const char* state) {
    if (!lstrcmpA(state, "exists")) return window != 0;
    if (!lstrcmpA(state, "gone")) return window == 0;
    if (!window) return 0;
    if (!lstrcmpA(state, "visible")) return IsWindowVisible(window) != 0;
    if (!lstrcmpA(state, "hidden")) return !IsWindowVisible(window);
    if (!lstrcmpA(state, "enabled")) return IsWindowEnabled(window) != 0;
    if (!lstrcmpA(state, "disabled")) return !IsWindowEnabled(window);
    if (!lstrcmpA(state, "checked")) return CheckState(window) == BST_CHECKED;
    if (!lstrcmpA(state, "unchecked")) return CheckState(window) == BST_UNCHECKED;
    if (!lstrcmpA(state, "focused")) return IsFocused(window);
    return -1;
}

int TimeoutArg(const ScriptLine* line, int i) {
    return i < line->count ? ArgInt(line, i, 0) * 1000 : Driver.timeoutMs;
}

int Start(const ScriptLine* line) {
    if (Driver.process && WaitForSingleObject(Driver.process, 0) != WAIT_OBJECT_0)
        return Fail("the program started before is still running");
    static char commandLine[SCRIPT_WORD_CAPACITY * 2];
    char program[DRIVER_PATH_CAPACITY];
    ToWindowsPath(Arg(line, 1), program, sizeof program);
    int length = FormatText(commandLine, sizeof commandLine, "\"%s\"", program);
    for (int i = 2; i < line->count; ++i)
        length +=
            FormatText(commandLine + length, sizeof commandLine - length, " %s", Arg(line, i));
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started;
    if (!CreateProcessA(0, commandLine, 0, 0, FALSE, 0, 0, 0, &startup, &started))
        return Fail("cannot start %s (error %d)", commandLine, static_cast<int>(GetLastError()));
    CloseHandle(started.hThread);
    if (Driver.process) CloseHandle(Driver.process);
    Driver.process = started.hProcess;
    Driver.processId = started.dwProcessId;
    Driver.scope = 0;
    return 0;
}

int Window(const ScriptLine* line) {
    WindowSelector selector;
    if (Selector(line, 1, &selector)) return 1;
    const int timeoutMs = TimeoutArg(line, 2);
    const DWORD start = Now();
    HWND window;
    while (!(window = FindTopLevel(&selector)) && static_cast<int>(Now() - start) < timeoutMs)
        Sleep(kPollMs);
    if (!window) return Fail("no top-level window %s", line->words[1]);
    Driver.scope = window;
    SettleProgram(window);
    return 0;
}

int Expect(const ScriptLine* line) {
    WindowSelector selector;
    if (Selector(line, 1, &selector)) return 1;
    const char* state = Arg(line, 2);
    const int timeoutMs = TimeoutArg(line, 3);
    const DWORD start = Now();
    for (;;) {
        HWND window = FindSelected(&selector);
        const int holds = StateHolds(window, state);
        if (holds < 0) return Fail("unknown state %s", state);
        if (holds) return 0;
        if (static_cast<int>(Now() - start) >= timeoutMs)
            return Fail("%s is not %s%s", line->words[1], state, window ? "" : " (not found)");
        Sleep(kPollMs);
    }
}

// 1 when the system shows the mouse cursor, 0 when hidden, -1 unknown.
int CursorShowing() {
    CURSORINFO info = {};
    info.cbSize = sizeof info;
    if (!GetCursorInfo(&info)) return -1;
    return (info.flags & CURSOR_SHOWING) != 0;
}

int ExpectCursor(const ScriptLine* line) {
    const char* state = Arg(line, 1);
    const int shown = !lstrcmpA(state, "shown");
    if (!shown && lstrcmpA(state, "hidden")) return Fail("unknown cursor state %s", state);
    const int timeoutMs = TimeoutArg(line, 2);
    const DWORD start = Now();
    int showing;
    while ((showing = CursorShowing()) != shown && static_cast<int>(Now() - start) < timeoutMs)
        Sleep(kPollMs);
    if (showing == shown) return 0;
    if (showing < 0)
        return Fail("GetCursorInfo failed (error %d)", static_cast<int>(GetLastError()));
    return Fail("the cursor is %s", showing ? "shown" : "hidden");
}

// Polls the window's text until it equals (or contains) the expected text.
int ExpectTextWith(const ScriptLine* line, int containing) {
    HWND window;
    if (Target(line, 1, &window)) return 1;
    const char* expected = Arg(line, 2);
    static char text[SCRIPT_WORD_CAPACITY * 4];
    const DWORD start = Now();
    for (;;) {
        ReadWindowText(window, text, sizeof text, Driver.timeoutMs);
        if (containing ? strstr(text, expected) != 0 : lstrcmpA(text, expected) == 0) return 0;
        if (static_cast<int>(Now() - start) >= Driver.timeoutMs)
            return Fail("the text is \"%s\", expected %s\"%s\"", text,
                        containing ? "it to contain " : "", expected);
        Sleep(kPollMs);
    }
}

int ExpectText(const ScriptLine* line) {
    return ExpectTextWith(line, 0);
}
int ExpectTextHas(const ScriptLine* line) {
    return ExpectTextWith(line, 1);
}

int Click(const ScriptLine* line) {
    HWND window;
    if (Target(line, 1, &window)) return 1;
    const int useOffset = line->count >= 4;
    if (ClickAt(window, useOffset, ArgInt(line, 2, 0), ArgInt(line, 3, 0))) return 1;
    SettleProgram(window);
    return 0;
}

// Clicks into the box, then presses the keys that place the caret (End) or
// select the whole text (Home, Shift+End), then types.
int TypeAfter(const ScriptLine* line, const char* const* keys, int keyCount) {
    HWND window;
    if (Target(line, 1, &window) || ClickAt(window, 0, 0, 0)) return 1;
    SettleProgram(window);
    for (int i = 0; i < keyCount; ++i)
        PressKeyChord(keys[i]);
    TypeText(Arg(line, 2));
    SettleProgram(window);
    return 0;
}

int Type(const ScriptLine* line) {
    const char* const keys[] = {"End"};
    return TypeAfter(line, keys, 1);
}

int Replace(const ScriptLine* line) {
    const char* const keys[] = {"Home", "Shift+End"};
    return TypeAfter(line, keys, 2);
}

int SetText(const ScriptLine* line) {
    HWND window;
    if (Target(line, 1, &window)) return 1;
    DWORD_PTR ignored;
    if (!SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Arg(line, 2)),
                             SMTO_NORMAL, Driver.timeoutMs, &ignored))
        return Fail("the program did not take the text");
    return 0;
}

struct ListSearch {
    HWND found;
};

BOOL CALLBACK FindDroppedList(HWND window, LPARAM data) {
    char name[32];
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, "ComboLBox") || !IsWindowVisible(window) || !BelongsToProgram(window))
        return TRUE;
    reinterpret_cast<ListSearch*>(data)->found = window;
    return FALSE;
}

HWND DroppedList() {
    ListSearch search = {0};
    EnumWindows(FindDroppedList, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Waits until a drop-down list of the program shows (shown is 1) or until
// none does (shown is 0); the dropped list, or 0.
HWND AwaitDroppedList(int shown) {
    const DWORD start = Now();
    HWND list = DroppedList();
    while ((list != 0) != shown && static_cast<int>(Now() - start) < Driver.timeoutMs) {
        Sleep(kPollMs);
        list = DroppedList();
    }
    return list;
}

LRESULT AskCombo(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = static_cast<DWORD_PTR>(-1);
    SendMessageTimeoutA(combo, message, wParam, lParam, SMTO_NORMAL, Driver.timeoutMs, &result);
    return static_cast<LRESULT>(result);
}

const int kPickAttempts = 3;
const int kPickWaitMs = 2000;
const int kPickMissed = 2;

// Clicks the list open and the item's row: 0 when the item is picked,
// kPickMissed when the click missed it (the list may have been placed late;
// a list left open is closed again), 1 on a failure.
int ClickItem(HWND combo, LRESULT index, const char* item) {
    // The list of a box picked just before may still be closing.
    if (AwaitDroppedList(0)) return Fail("another list stays dropped down");
    if (ClickAt(combo, 0, 0, 0)) return 1;
    HWND list = AwaitDroppedList(1);
    if (!list) return Fail("the list did not drop down");
    const int height = static_cast<int>(AskCombo(combo, CB_GETITEMHEIGHT, 0, 0));
    const int row = static_cast<int>(index - AskCombo(list, LB_GETTOPINDEX, 0, 0));
    RECT client;
    GetClientRect(list, &client);
    if (row < 0 || (row + 1) * height > client.bottom)
        return Fail("item \"%s\" is not in sight in the dropped list", item);
    if (ClickAt(list, 1, client.right / 2, row * height + height / 2)) return 1;
    SettleProgram(combo);
    const DWORD start = Now();
    while (AskCombo(combo, CB_GETCURSEL, 0, 0) != index &&
           static_cast<int>(Now() - start) < kPickWaitMs)
        Sleep(kPollMs);
    if (AskCombo(combo, CB_GETCURSEL, 0, 0) == index) return 0;
    if (DroppedList() && ClickAt(combo, 0, 0, 0)) return 1;
    return kPickMissed;
}

// As a person does it: click the list open, then click the item's row; and
// again, as a person would, when the click did not take.
int Select(const ScriptLine* line) {
    HWND combo;
    if (Target(line, 1, &combo)) return 1;
    const char* item = Arg(line, 2);
    const LRESULT index = AskCombo(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(item));
    if (index < 0) return Fail("the list has no item \"%s\"", item);
    for (int attempt = 0; attempt < kPickAttempts; ++attempt) {
        const int result = ClickItem(combo, index, item);
        if (result != kPickMissed) return result;
        printf("select: the click did not pick \"%s\"; once more\n", item);
    }
    return Fail("the click did not pick \"%s\"", item);
}

int Key(const ScriptLine* line) {
    HWND window = Driver.scope;
    if (!window) return Fail("no window chosen (use window first)");
    BringProgramForward(window);
    for (int i = 1; i < line->count; ++i)
        if (PressKeyChord(Arg(line, i))) return 1;
    SettleProgram(window);
    return 0;
}

int ButtonNamed(HWND button, const char* name) {
    char text[64];
    ReadWindowText(button, text, sizeof text, Driver.timeoutMs);
    DropMnemonics(text);
    return lstrcmpA(text, name) == 0;
}

HWND FindBoxButton(HWND box, const char* name) {
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child) && ButtonNamed(child, name)) return child;
    return 0;
}

HWND AwaitMessageBox(const char* text, const char* caption) {
    const DWORD start = Now();
    HWND box;
    while (!(box = FindMessageBox(text, caption)) &&
           static_cast<int>(Now() - start) < Driver.timeoutMs)
        Sleep(kPollMs);
    return box;
}

// Waits for the box; fails naming the box that is open instead, if any.
int AwaitBoxOrFail(const char* text, const char* caption, HWND* box) {
    *box = AwaitMessageBox(text, caption);
    if (*box) return 0;
    HWND other = FindMessageBox(0, 0);
    char shown[DRIVER_MESSAGE_CAPACITY] = "none";
    if (other) ReadWindowText(other, shown, sizeof shown, Driver.timeoutMs);
    return Fail("no message box \"%s\" (a box captioned \"%s\" is open)", text, shown);
}

int Answer(const ScriptLine* line) {
    const int withCaption = line->count >= 4;
    const char* text = Arg(line, 1);
    const char* caption = withCaption ? Arg(line, 2) : 0;
    const char* buttonName = Arg(line, withCaption ? 3 : 2);
    HWND box;
    if (AwaitBoxOrFail(text, caption, &box)) return 1;
    SettleProgram(box); // a box that just appeared may not take clicks yet
    HWND button = FindBoxButton(box, buttonName);
    if (!button) return Fail("the message box has no button %s", buttonName);
    if (ClickAt(button, 0, 0, 0)) return 1;
    const DWORD start = Now();
    while (IsWindow(box) && static_cast<int>(Now() - start) < Driver.timeoutMs)
        Sleep(kPollMs);
    return IsWindow(box) ? Fail("the message box stayed open") : 0;
}

int ExpectBox(const ScriptLine* line) {
    HWND box;
    return AwaitBoxOrFail(Arg(line, 1), line->count >= 3 ? Arg(line, 2) : 0, &box);
}

int NoBox(const ScriptLine* line) {
    const DWORD start = Now();
    const int periodMs = TimeoutArg(line, 1);
    do {
        HWND box = FindMessageBox(0, 0);
        if (box) {
            char caption[256];
            ReadWindowText(box, caption, sizeof caption, Driver.timeoutMs);
            return Fail("a message box captioned \"%s\" appeared", caption);
        }
        Sleep(kPollMs);
    } while (static_cast<int>(Now() - start) < periodMs);
    return 0;
}

int Close(const ScriptLine*) {
    if (!Driver.scope) return Fail("no window chosen (use window first)");
    PostMessageA(Driver.scope, WM_SYSCOMMAND, SC_CLOSE, 0);
    return 0;
}

int ExitCode(const ScriptLine* line) {
    if (!Driver.process) return Fail("no program was started");
    if (WaitForSingleObject(Driver.process, TimeoutArg(line, 2)) != WAIT_OBJECT_0)
        return Fail("the program is still running");
    DWORD code = 0;
    GetExitCodeProcess(Driver.process, &code);
    const int expected = ArgInt(line, 1, -1);
    if (static_cast<int>(code) != expected)
        return Fail("the program ended with %d, expected %d", static_cast<int>(code), expected);
    return 0;
}

int Kill(const ScriptLine*) {
    if (!Driver.process) return Fail("no program was started");
    TerminateProcess(Driver.process, 1);
    WaitForSingleObject(Driver.process, Driver.timeoutMs);
    return 0;
}

int ExpectFile(const ScriptLine* line) {
    char path[DRIVER_PATH_CAPACITY];
    ToWindowsPath(Arg(line, 1), path, sizeof path);
    const int timeoutMs = TimeoutArg(line, 2);
    const DWORD start = Now();
    WIN32_FILE_ATTRIBUTE_DATA data;
    while (!GetFileAttributesExA(path, GetFileExInfoStandard, &data) ||
           (data.nFileSizeLow == 0 && data.nFileSizeHigh == 0)) {
        if (static_cast<int>(Now() - start) >= timeoutMs) return Fail("no file %s", path);
        Sleep(kPollMs);
    }
    return 0;
}

// Lets a scenario start from a known state when the prefix is reused.
int RemoveFile(const ScriptLine* line) {
    char path[DRIVER_PATH_CAPACITY];
    ToWindowsPath(Arg(line, 1), path, sizeof path);
    if (DeleteFileA(path) || GetLastError() == ERROR_FILE_NOT_FOUND) return 0;
    return Fail("cannot remove %s", path);
}

int SleepFor(const ScriptLine* line) {
    Sleep(ArgInt(line, 1, 0));
    return 0;
}

int SetTimeout(const ScriptLine* line) {
    Driver.timeoutMs = ArgInt(line, 1, 10) * 1000;
    return 0;
}

int Echo(const ScriptLine* line) {
    for (int i = 1; i < line->count; ++i)
        printf("%s%s", i > 1 ? " " : "", Arg(line, i));
    printf("\n");
    return 0;
}

int Color(const ScriptLine* line) {
    HWND window;
    if (Target(line, 1, &window)) return 1;
    const COLORREF expected = RGB(ArgInt(line, 2, -1), ArgInt(line, 3, -1), ArgInt(line, 4, -1));
    RECT client;
    GetClientRect(window, &client);
    POINT centre = {client.right / 2, client.bottom / 2};
    ClientToScreen(window, &centre);
    // What a window paints reaches the screen a little later under Wine.
    const DWORD start = Now();
    COLORREF shown = 0;
    for (;;) {
        if (ReadScreenPixel(centre.x, centre.y, &shown)) return 1;
        if (shown == expected) return 0;
        if (static_cast<int>(Now() - start) >= Driver.timeoutMs)
            return Fail("the screen shows (%d, %d, %d)", GetRValue(shown), GetGValue(shown),
                        GetBValue(shown));
        Sleep(kPollMs);
    }
}

int Screenshot(const ScriptLine* line) {
    const int kFlushMs = 150; // let the last paint reach the screen
    Sleep(kFlushMs);
    return SaveScreenshot(Arg(line, 1));
}

struct Command {
    const char* name;
    int minimumWords;
    int (*run)(const ScriptLine* line);
};

const Command kCommands[] = {
    {"start", 2, Start},
    {"window", 2, Window},
    {"expect", 3, Expect},
    {"expect-text", 3, ExpectText},
    {"expect-text-has", 3, ExpectTextHas},
    {"click", 2, Click},
    {"type", 3, Type},
    {"replace", 3, Replace},
    {"set-text", 3, SetText},
    {"select", 3, Select},
    {"key", 2, Key},
    {"answer", 3, Answer},
    {"no-box", 2, NoBox},
    {"close", 1, Close},
    {"exit-code", 2, ExitCode},
    {"kill", 1, Kill},
    {"ramp-set", 2, RampSet},
    {"ramp-expect", 2, RampExpect},
    {"ramp-differs", 2, RampDiffers},
    {"ramp-save", 2, RampSave},
    {"expect-file", 2, ExpectFile},
    {"remove-file", 2, RemoveFile},
    {"color", 5, Color},
    {"screenshot", 2, Screenshot},
    {"sleep", 2, SleepFor},
    {"timeout", 2, SetTimeout},
    {"echo", 1, Echo},
    {"reg-set", 5, RegistrySet},
    {"reg-delete", 2, RegistryDelete},
    {"reg-expect", 4, RegistryExpect},
    {"reg-expect-missing", 2, RegistryExpectMissing},
    {"cursor", 2, ExpectCursor},
    {"box", 2, ExpectBox},
    {"refuse-windows", 2, RefuseWindows},
    {"expect-line", 4, ExpectLine},
    {"expect-line-has", 4, ExpectLineHas},
    {"expect-rect", 6, ExpectRect},
    {"place", 6, PlaceWindow},
};

} // namespace

int Target(const ScriptLine* line, int i, HWND* window) {
    WindowSelector selector;
    if (Selector(line, i, &selector)) return 1;
    *window = AwaitSelected(&selector, Driver.timeoutMs);
    if (*window) return 0;
    char description[SCRIPT_WORD_CAPACITY];
    DescribeSelector(&selector, description, sizeof description);
    return Fail("no window %s", description);
}

const char* Arg(const ScriptLine* line, int i) {
    // Rotating buffers, so that a command can hold several values at once.
    const int kSlots = 4;
    static char slots[kSlots][SCRIPT_WORD_CAPACITY];
    static int next = 0;
    char* slot = slots[next++ % kSlots];
    if (i >= line->count || WordValue(line->words[i], slot, SCRIPT_WORD_CAPACITY)) slot[0] = 0;
    return slot;
}

int ArgInt(const ScriptLine* line, int i, int fallback) {
    int value = fallback;
    if (i < line->count && ParseWholeInteger(Arg(line, i), &value)) value = fallback;
    return value;
}

int RunCommand(const ScriptLine* line) {
    const char* name = line->words[0];
    for (const Command& command : kCommands) {
        if (lstrcmpA(command.name, name) != 0) continue;
        if (line->count < command.minimumWords) return Fail("%s needs more words", name);
        return command.run(line);
    }
    return Fail("unknown command %s", name);
}
