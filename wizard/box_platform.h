// The platform side of the wizard's message boxes and of the mouse cursor:
// the Windows build shows real boxes and moves the system's cursor counter,
// the host build records both. The rules around them (hide once, show the
// cursor for every box) are the wizard's own, in message_boxes.cpp.
#pragma once

enum { BOX_ERROR = 0, BOX_WARNING = 1, BOX_RETRY = 2 };

// A modal box owned by the main window: BOX_ERROR "Error" with OK,
// BOX_WARNING "Warning" with OK and Cancel, BOX_RETRY "Error" with OK and
// Cancel. 1 when the user chose Cancel, else 0.
int ShowModalBox(int kind, const char* text);
// Moves the system's cursor display counter one step up (show 1) or down (0).
void ShowSystemCursor(int show);
