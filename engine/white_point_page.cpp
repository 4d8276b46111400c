// The white point estimate: from white and the primaries at full drive, the
// device colour that would show the target white, and the steps each channel
// must be lowered by, for the user to set the monitor's colour controls.
#include "engine/white_point_page.h"

#include "engine/adapter_ramp.h"
#include "engine/calibration_record.h"
#include "engine/colour_arithmetic.h"
#include "engine/lookup_tables.h"
#include "engine/measurement_errors.h"
#include "meter/colorimeter.h"
#include "text/text_format.h"
#include "wizard/calibration_settings.h"
#include "wizard/page_controller.h"
#include "wizard/ui_operations.h"

enum { ESTIMATE_COLOR_COUNT = 4 };

// The patches measured, into reading slots 0 to 3.
static const int EstimateColors[ESTIMATE_COLOR_COUNT][3] = {
    {255, 255, 255}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};

static const char* const WhitePointNames[WHITE_POINT_COUNT] = {"D65", "D50", "D75"};

static int MeasureEstimateColors() {
    char text[PAGE_MESSAGE_SIZE];
    for (int c = 0; c < ESTIMATE_COLOR_COUNT; ++c) {
        FormatText(text, PAGE_MESSAGE_SIZE,
                   "Estimating White Point\r\nThis will take less than a minute.\r\n\r\n"
                   "Measuring color %d of 4...",
                   c + 1);
        SetInstructions(text);
        SetTargetColor(EstimateColors[c][0], EstimateColors[c][1], EstimateColors[c][2]);
        if (ReadYxy(&CalibrationRecord.readings[c]) != 0) return 1;
    }
    return 0;
}

static void ShowWhitePointAdvice() {
    int index = CalibrationSettings.whitePointIndex;
    if (index < 0 || index >= WHITE_POINT_COUNT) index = WHITE_POINT_D65;
    char text[PAGE_MESSAGE_SIZE];
    FormatText(text, PAGE_MESSAGE_SIZE,
               "Checking color control settings.\r\n\r\nTarget %s white point: x = %3f, y = %3f"
               "\r\nMeasured white point: x = %3f, y = %3f\r\n\r\nIf the measured white point "
               "coordinates are within plus or minus 0.010 to 0.020 of the target white point "
               "values, the pointers should be all near the centers of the color readouts - click "
               "Next to continue.\r\n\r\nIf the white point is off, adjust your monitor's color "
               "controls and click Try Again to take another reading.",
               WhitePointNames[index], CalibrationRecord.targetWhiteX,
               CalibrationRecord.targetWhiteY, CalibrationRecord.readings[0].x,
               CalibrationRecord.readings[0].y);
    SetInstructions(text);
}

// Everything after the readings. 1 when they describe no usable gamut.
static int ShowWhitePointEstimate() {
    int unusable = StoreWhiteAndPrimaries();
    SetTargetColor(255, 255, 255);
    int rgb[3];
    if (unusable || TargetWhiteDeviceRgb(rgb) != 0) {
        ShowErrorMessage(UnusableColorsMessage);
        return 1;
    }
    TargetWhiteChromaticity();
    SetGaugeValues(1, 255 - rgb[0], 255 - rgb[1], 255 - rgb[2]);
    ShowGaugeWindow();
    ShowWhitePointAdvice();
    return 0;
}

int RunColorControlsPage() {
    if (CalibrationSettings.adjustableColor == 0) {
        AdvancePage();
        return 0;
    }
    SetPageTitle("Set Color Controls");
    LoadAdapterRamp(&LinearRamp);
    ShowTargetWindow();
    HideGaugeWindow();
    DisableTryAgain();
    BeginMeasuring();
    if (MeasureEstimateColors() != 0) {
        EndMeasuring();
        return 1;
    }
    if (ShowWhitePointEstimate() != 0) {
        // The message asks the user to try again; on this page that is the
        // Try Again button (a page reached by Next falls back anyway).
        EndMeasuring();
        EnableTryAgain();
        return 1;
    }
    EndMeasuring();
    EnableTryAgain();
    Beep();
    return 0;
}
