// Messages for measurements that cannot be used, shared by the measuring
// pages: the readings came back but make no sense as a display (the
// calibrator is off the target window, the monitor is dark).
#pragma once

// Primaries that do not span a colour gamut holding the white.
extern const char UnusableColorsMessage[];
// White measured no brighter than black.
extern const char DarkWhiteMessage[];
