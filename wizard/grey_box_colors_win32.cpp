// One definition of the grey boxes' colours.
#include "wizard/grey_box_colors_win32.h"

LRESULT GreyBoxColors(HDC context) {
    SetTextColor(context, RGB(0, 0, 0));
    SetBkColor(context, RGB(192, 192, 192));
    return reinterpret_cast<LRESULT>(GetStockObject(LTGRAY_BRUSH));
}
