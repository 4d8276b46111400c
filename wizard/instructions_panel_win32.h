// The instructions panel on the left of the main window: the row of
// navigation buttons, the instructions text and, once the colorimeter has
// answered, its firmware and toolkit lines at the bottom.
#pragma once

#include <windows.h>

LRESULT CALLBACK InstructionsPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
