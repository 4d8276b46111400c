// The keyboard filter of both programs' message loops: Tab, Shift+Tab, Enter
// and Esc never reach a control; they become application messages to one
// window, which decides what they do.
#pragma once

#include <windows.h>

// 1 when the message was consumed (the loop then neither translates nor
// dispatches it), else 0. Sends target APPMSG_FOCUS_NEXT or APPMSG_FOCUS_PREV
// for Tab and Shift+Tab typed in a child control, APPMSG_GO_NEXT for Enter
// and APPMSG_GO_PREV for Esc.
int NavigationKeyFilter(const MSG* message, HWND target);
