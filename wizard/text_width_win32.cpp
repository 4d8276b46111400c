// Text measuring for layout: selects the program's font into a device context
// of its main window, measures, and puts everything back.
#include "wizard/text_width_win32.h"

#include "text/text_utils.h"

int TextWidth(const char* text) {
    HWND window = TextWidthWindow();
    HDC context = GetDC(window); // the screen's while window is 0
    HGDIOBJ previousFont = SelectObject(context, TextWidthFont());
    SIZE size = {0, 0};
    GetTextExtentPoint32A(context, text, TextLength(text), &size);
    SelectObject(context, previousFont);
    ReleaseDC(window, context);
    return size.cx;
}
