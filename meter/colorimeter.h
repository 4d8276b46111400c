// The wizard's connection to the colorimeter: the only code that calls the
// toolkit. Each operation retries a failing call for as long as the user
// clicks OK in the "Error" box and gives up on Cancel.
#pragma once

#include "meter/yxy_reading.h"

enum { COLORIMETER_TEXT_SIZE = 256 };

// 1 once the toolkit's open call has succeeded; 0 again after closing.
extern int colorimeterConnected;
// What the toolkit says about itself; empty until it has told us.
extern char firmwareText[COLORIMETER_TEXT_SIZE];
extern char toolkitRevisionText[COLORIMETER_TEXT_SIZE];

// Connects (once per run), fetches the revision text, repaints the
// instructions panel and selects the CRT (crtFlag 1) or LCD calibration.
// 0 on success, 1 when the user gave up.
int OpenColorimeter(int crtFlag);
// 0 when the dark current is measured, 1 when the user gave up.
int MeasureDarkCurrent();
// Takes one reading of the patch on screen into reading. 0 on success, 1
// when the user gave up (reading then holds nothing to use).
int ReadYxy(YxyReading* reading);
// Closes the connection if open. 1 when the toolkit reported a failure.
int CloseColorimeter();

// 1 when some caller can use the reading: Y finite and no further below 0
// than noise at black goes. x, y and z are not looked at.
int ReadingIsUsable(const YxyReading* reading);
