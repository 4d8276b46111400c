// The colorimeter connection over the toolkit's six calls. Every failing
// call is offered again through a retry box. A reading the toolkit calls a
// success counts as failed only when no caller could use it: its luminance
// is not a measurement of light. Chromaticity is left to the callers that
// use it, since a toolkit may well give black a luminance but no colour.
#include "meter/colorimeter.h"

#include "meter/sipcal.h"
#include "wizard/ui_operations.h"

#include <cmath>

int colorimeterConnected;
char firmwareText[COLORIMETER_TEXT_SIZE];
char toolkitRevisionText[COLORIMETER_TEXT_SIZE];

namespace {

// Instrument noise takes readings of black a little below 0; anything
// further below is not a reading.
const double kLowestUsableLuminance = -0.5;

const char kConnectText[] = "Prismoth can't connect to the calibrator.\nCheck the cable and click "
                            "OK to retry or Cancel to exit";
const char kSelectText[] =
    "Error selecting calibrator monitor type.\nClick OK to retry or Cancel to exit";
const char kDarkCurrentText[] = "Cannot read dark current. Click OK to retry or Cancel to exit";
const char kReadingText[] = "Error reading monitor data. Click OK to retry or Cancel to exit";

// Repeats call(argument) until it returns 0 or the user gives up (1).
int RetryUntilDone(int (*call)(void*), void* argument, const char* text) {
    while (call(argument) != 0) {
        if (AskRetry(text)) return 1;
    }
    return 0;
}

// The toolkit's texts are trusted to be zero-terminated only within their buffer.
void CutToolkitText(char* text) {
    text[COLORIMETER_TEXT_SIZE - 1] = 0;
}

int CallOpen(void*) {
    const int result = sipOpenUSBChroma(firmwareText, 0);
    CutToolkitText(firmwareText);
    if (result != 0) firmwareText[0] = 0; // no firmware line before a connection
    return result;
}

int CallSelectCalibration(void* lcd) {
    return sipSelectCalibration(*static_cast<int*>(lcd));
}

int CallDarkCurrent(void*) {
    return sipSetDarkCurrentEx();
}

int CallReading(void* reading) {
    YxyReading* taken = static_cast<YxyReading*>(reading);
    return sipAutoMeasureYxy(1, taken) != 0 || !ReadingIsUsable(taken);
}

} // namespace

int ReadingIsUsable(const YxyReading* reading) {
    return std::isfinite(reading->Y) && reading->Y >= kLowestUsableLuminance;
}

int OpenColorimeter(int crtFlag) {
    if (!colorimeterConnected) {
        if (RetryUntilDone(CallOpen, nullptr, kConnectText)) return 1;
        colorimeterConnected = 1;
    }
    sipGetToolkitRev(toolkitRevisionText);
    CutToolkitText(toolkitRevisionText);
    RepaintInstructionsPanel();
    int lcd = crtFlag ? 0 : 1;
    return RetryUntilDone(CallSelectCalibration, &lcd, kSelectText);
}

int MeasureDarkCurrent() {
    return RetryUntilDone(CallDarkCurrent, nullptr, kDarkCurrentText);
}

int ReadYxy(YxyReading* reading) {
    return RetryUntilDone(CallReading, reading, kReadingText);
}

int CloseColorimeter() {
    if (!colorimeterConnected) return 0;
    const int result = sipCloseCalibrator();
    colorimeterConnected = 0;
    return result != 0 ? 1 : 0;
}
