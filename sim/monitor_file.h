// Monitor description files for the virtual monitor: one setting a line,
// "name value... [unit]", with "#" starting a comment, for example
//   type lcd
//   white_luminance 120 cd/m2
//   red_primary 0.64 0.33
//   gamma 2.2            (one value for all channels, or three)
//   brightness 0.02      (offset; 0 is the factory setting)
// Names: name, type (lcd or crt), white_luminance, white_point, red_primary,
// green_primary, blue_primary, gamma, black_luminance, black_chromaticity,
// brightness, contrast, gain_red, gain_green, gain_blue, crosstalk,
// dark_drift, noise, noise_floor, chroma_noise, seed, reading_time (s or ms).
// Luminances may carry the unit cd/m2 or nits. Anything not given keeps the
// built-in default (DefaultMonitorModel).
#pragma once

#include "sim/monitor_model.h"

// Parses text over the defaults. Each problem (unknown name, malformed or
// out-of-range value, wrong unit, primaries that do not enclose the white
// point) leaves the default in place and adds a line such as
// "line 3: unknown name \"gama\"" to problems (capacity bytes, always
// zero-terminated). Returns the number of problems.
int ParseMonitorText(const char* text, struct MonitorModel* model, char* problems, int capacity);

// Reads and parses the file at path (at most 64 KiB). A missing or unreadable
// file gives the defaults and one problem.
int ReadMonitorFile(const char* path, struct MonitorModel* model, char* problems, int capacity);
