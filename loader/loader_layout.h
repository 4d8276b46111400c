// The loader window's layout arithmetic, apart from the window so that it can
// be checked anywhere: its measures, the window's first and final size, the
// controls' places and the reference image's. Coordinates of the controls and
// the image are client pixels; the window's are the screen's.
#pragma once

#include "wizard/window_layout.h"

struct LoaderMeasures {
    int textHeight;    // T: character height of the loader's font
    int controlHeight; // H: T + 2 sizing-frame heights
    int margin;        // M: H / 4
    int frameWidth;    // 2 border widths: the window has no sizing frame
    int frameHeight;   // caption + 2 border heights
};

// The loader's controls, in the order they are created.
enum LoaderControl {
    CALIBRATED_BUTTON,
    FLAT_BUTTON,
    DESCRIPTION_LABEL,
    DESCRIPTION_EDIT,
    FILE_NAME_LABEL,
    FILE_NAME_EDIT,
    LOADER_CONTROL_COUNT
};

struct LoaderMeasures LoaderMeasuresFor(int characterHeight, const struct FrameMetrics& system);
// As created: at (100, 100) with a 500 x 500 client area.
struct LayoutRect LoaderWindowCreatedRect(const struct LoaderMeasures& m);
// As it sizes itself, not moving: a client area that holds the controls
// above the 400 x 338 image.
struct LayoutRect LoaderWindowRect(const struct LoaderMeasures& m);
// textWidth is the width of a button's text; the other controls ignore it.
struct LayoutRect LoaderControlRect(const struct LoaderMeasures& m, enum LoaderControl control,
                                    int textWidth);
// The image's top left corner: (M, 4M + 6T).
struct LayoutRect LoaderImageRect(const struct LoaderMeasures& m);
