// The wizard's child windows and their command identifiers, shared by the
// main window, the instructions panel and the UI operations.
#pragma once

#include <windows.h>

#include "wizard/window_layout.h"

enum ControlId {
    ID_HELP = 100,
    ID_EXIT = 101,
    ID_PREV = 102,
    ID_NEXT = 103,
    ID_MONITOR_TYPE = 104,
    ID_TARGET_WINDOW = 105,
    ID_WHITE_POINT = 106,
    ID_GAMMA = 107,
    ID_DESCRIPTION = 108,
    ID_COPYRIGHT = 109,
    ID_RESULTS_WINDOW = 110,
    ID_BRIGHTNESS_WINDOW = 111,
    ID_GAUGE_WINDOW = 112,
    ID_BRIGHTNESS_BOX = 114,
    ID_COLOR_BOX = 115,
    ID_TRY_AGAIN = 116,
    ID_SAVE_PROFILE = 118,
    ID_SAVE_PROFILE_LOG = 119,
};

// The setup form's labels, in the order of their rows.
enum FormLabel {
    MONITOR_TYPE_LABEL,
    WHITE_POINT_LABEL,
    GAMMA_LABEL,
    DESCRIPTION_LABEL,
    COPYRIGHT_LABEL,
    FORM_LABEL_COUNT
};

struct WizardControls {
    HWND pageTitle;
    HWND instructionsPanel;
    HWND formLabels[FORM_LABEL_COUNT];
    HWND monitorTypeList, brightnessBox, colorBox, whitePointList, gammaList;
    HWND descriptionBox, copyrightBox;
    HWND resultsWindow, targetWindow, brightnessWindow, gaugeWindow;
    HWND saveProfileButton, saveProfileLogButton;
    // Children of the instructions panel.
    HWND nextButton, prevButton, tryAgainButton, helpButton, exitButton;
    HWND instructionsBox;
};

extern struct WizardControls WizardControls;

// Creates a child control at place, visible when style holds WS_VISIBLE, and
// gives it font (with a redraw) unless font is 0.
HWND CreateControl(HWND parent, const char* className, const char* text, DWORD style, int id,
                   HFONT font, struct LayoutRect place, DWORD exStyle = 0);
// Moves a child window to place's corner without resizing it or changing its z-order.
void MoveControl(HWND control, struct LayoutRect place);
// Moves and sizes a child window to place, keeping its z-order.
void PlaceControl(HWND control, struct LayoutRect place);
// Width and height of a window's client area.
SIZE ClientSize(HWND window);
