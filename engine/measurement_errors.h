// Messages for measurements that cannot be used, shared by the measuring
// pages: the readings came back but make no sense as a display (the
// calibrator is off the target window, the monitor is dark).
#pragma once

// Room for the longest text a measuring page formats, its advice included.
enum { PAGE_MESSAGE_SIZE = 640 };

// Primaries that do not span a colour gamut holding the white.
extern const char UnusableColorsMessage[];
// White measured no brighter than black.
extern const char DarkWhiteMessage[];
