// What the wizard's windows share, set once at start-up and freed by the exit
// sequence: the instance, icon, fonts, the layout measures taken from the
// fonts and the system, the chart bitmaps and the help file's path.
#pragma once

#include <windows.h>

#include "wizard/window_layout.h"

// The eight bitmaps, in the order they are loaded.
enum WizardBitmap {
    BLACK_POINTER_BITMAP,
    RED_POINTER_BITMAP,
    GREEN_POINTER_BITMAP,
    BLUE_POINTER_BITMAP,
    CHROMATICITY_D75_BITMAP,
    CHROMATICITY_D65_BITMAP,
    CHROMATICITY_D50_BITMAP,
    CURVES_BITMAP,
    WIZARD_BITMAP_COUNT
};

extern HINSTANCE appInstance;
extern HICON appIcon;
extern HFONT BodyFont;  // Times New Roman 15: every control but the page title
extern HFONT TitleFont; // Arial 19 bold: the page title
extern HBITMAP wizardBitmaps[WIZARD_BITMAP_COUNT];
extern char helpFilePath[MAX_PATH];

// Layout measures in pixels.
extern int textHeight;     // character height of BodyFont
extern int controlHeight;  // textHeight + 2 sizing-frame heights
extern int margin;         // controlHeight / 4
extern int titleHeight;    // character height of TitleFont + 2 sizing-frame heights
extern int frameWidth;     // 2 sizing-frame widths: a captioned child's horizontal frame
extern int frameHeight;    // caption + 2 sizing-frame heights - 1
extern int scrollBarWidth; // a vertical scroll bar
// The measures above as one structure, for the layout functions.
struct WizardMeasures CurrentMeasures();

// Deletes the bitmaps, destroys the icon and deletes both fonts.
void FreeAppResources();
