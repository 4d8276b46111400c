// What both programs build their layouts from: a font made from a face,
// height and weight, its character height on the screen, and the system's
// frame metrics.
#pragma once

#include <windows.h>

#include "wizard/window_layout.h"

// A font from a description that is all zero but height, weight, the
// default character set and the face name (at most 31 characters).
HFONT CreateAppFont(const char* face, int height, int weight);
// The character height of the font's text metrics on a screen context.
int CharacterHeight(HFONT font);
struct FrameMetrics ReadFrameMetrics();
