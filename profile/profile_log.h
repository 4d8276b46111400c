// The profile log: a 47-line text report of the last calibration for people
// and spreadsheets (the grey table is tab-separated), CRLF line ends.
#pragma once

#include "profile/output_file.h"

enum { LOG_LINE_COUNT = 47 };

// Writes the 47 lines to an open file and leaves it open. Every line is
// attempted; 0 when all were written, 1 when any write failed.
int WriteProfileLog(OutputFile file);

// Writes text and, unless it already ends with CR LF, a CR LF. 0 on success,
// 1 when a write fails or falls short (no line end follows a failed text).
int WriteLogLine(OutputFile file, const char* text);

// "7-Mar-2024" for the stamp 20240307 (see LocalDateStamp).
void FormatLogDate(int dateStamp, char* destination, int capacity);
