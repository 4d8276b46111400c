// The colours of the light grey boxes both programs show: black text on
// light grey (192, 192, 192).
#pragma once

#include <windows.h>

// Sets the control's colours on context; returns the light grey stock brush
// as a control colour message's result.
LRESULT GreyBoxColors(HDC context);
