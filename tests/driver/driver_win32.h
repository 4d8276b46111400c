// The test driver's shared state and the operations its commands are made
// of: finding windows, real mouse and keyboard input, message boxes, the
// adapter's ramp, screenshots and the registry. The driver acts on another
// program as a user would, so it never calls into that program synchronously
// without a timeout: a page that measures blocks its thread for minutes.
#pragma once

#include <windows.h>

#include "tests/driver/driver_script.h"

enum { DRIVER_MESSAGE_CAPACITY = 4096, DRIVER_PATH_CAPACITY = 1024 };

struct DriverState {
    HANDLE process;                        // the program started last, or 0
    DWORD processId;                       // its id, or 0 (then any process's windows count)
    HWND scope;                            // the top-level window that selectors search, or 0
    int timeoutMs;                         // how long waits wait
    char outFolder[DRIVER_PATH_CAPACITY];  // where screenshots and files go
    char failure[DRIVER_MESSAGE_CAPACITY]; // why the current command failed
};

extern struct DriverState Driver;

// Records why the command failed (formatted by FormatText) and returns 1.
int Fail(const char* format, ...);
// Milliseconds since an arbitrary start, for waits.
DWORD Now();
// A Unix path (leading /) becomes Z:\...; every / becomes a backslash.
void ToWindowsPath(const char* path, char* destination, int capacity);

// Windows (driver_windows_win32.cpp).
HWND FindSelected(const struct WindowSelector* selector);
HWND FindTopLevel(const struct WindowSelector* selector);
// Waits until the selector finds a window; 0 after the timeout.
HWND AwaitSelected(const struct WindowSelector* selector, int timeoutMs);
// The window's text through WM_GETTEXT (0 when the program did not answer
// within the timeout, the text then empty).
int ReadWindowText(HWND window, char* text, int capacity, int timeoutMs);
int BelongsToProgram(HWND window);
// A control's text as shown: each mnemonic ampersand removed, "&&" kept as &.
void DropMnemonics(char* text);
// Waits until the program's thread has handled what was sent to it so far.
void SettleProgram(HWND window);

// Input (driver_input_win32.cpp).
int ClickAt(HWND window, int useOffset, int x, int y);
int PressKeyChord(const char* chord);
int TypeText(const char* text);
void BringProgramForward(HWND window);

// Message boxes (driver_boxes_win32.cpp).
HWND FindMessageBox(const char* text, const char* caption);

// Ramp, screen and registry (driver_system_win32.cpp).
int ReadAdapterRamp(WORD ramp[768]);
int WriteAdapterRamp(const WORD ramp[768]);
int SaveScreenshot(const char* name);
int ReadScreenPixel(int x, int y, COLORREF* color);
