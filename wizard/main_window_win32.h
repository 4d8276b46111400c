// The wizard's top-level window: the page title, the instructions panel and
// the controls of the current page. Its destruction runs the exit sequence.
#pragma once

#include <windows.h>

// 0 until the window's creation returns (so still 0 while it creates its
// children), then the main window until the wizard ends.
extern HWND mainWindow;

// Whether the adapter's ramp was read into ExitRamp at start-up; the exit
// sequence loads ExitRamp back only then.
extern int exitRampSaved;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
