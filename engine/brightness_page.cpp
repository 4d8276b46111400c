// The brightness check: shadow greys 0, 8, ..., 64 and white into
// brightnessY, for the brightness curve window and the user's judgement.
#include "engine/brightness_page.h"

#include "engine/adapter_ramp.h"
#include "engine/calibration_record.h"
#include "engine/measurement_errors.h"
#include "meter/colorimeter.h"
#include "text/text_format.h"
#include "wizard/calibration_settings.h"
#include "wizard/page_controller.h"
#include "wizard/ui_operations.h"

enum { SHADOW_GREY_COUNT = 9, SHADOW_GREY_STEP = 8 };

// Shows patch (grey, grey, grey) and stores its luminance in entry.
static int MeasureGrey(int grey, int entry) {
    YxyReading reading;
    SetTargetColor(grey, grey, grey);
    if (ReadYxy(&reading) != 0) return 1;
    CalibrationRecord.brightnessY[entry] = reading.Y;
    return 0;
}

static int MeasureBrightnessPatches() {
    char text[PAGE_MESSAGE_SIZE];
    for (int k = 0; k < SHADOW_GREY_COUNT; ++k) {
        FormatText(text, PAGE_MESSAGE_SIZE,
                   "Checking brightness control setting.\r\nThis will take about a minute.\r\n\r\n"
                   "Measuring shadow detail: %d of 9 ...",
                   k + 1);
        SetInstructions(text);
        if (MeasureGrey(SHADOW_GREY_STEP * k, k) != 0) return 1;
    }
    SetInstructions("Checking brightness control setting.\r\nThis will take about a minute.\r\n\r\n"
                    "Measuring white ...");
    return MeasureGrey(255, BRIGHTNESS_PATCH_COUNT - 1);
}

static void ShowBrightnessAdvice() {
    char text[PAGE_MESSAGE_SIZE];
    FormatText(text, PAGE_MESSAGE_SIZE,
               "Checking brightness control setting.\r\n\r\nMeasured white luminance: %2f nits"
               "\r\n\r\nIf the measured (red) curve is close to the expected (white) curve, click "
               "Next to continue.\r\n\r\nOtherwise adjust your monitor's brightness control and "
               "click Try Again to take another reading. If the red curve lies mostly below the "
               "white curve, increase the brightness setting; otherwise decrease it. Make sure "
               "the red curve does not have an extended flat spot at the bottom left as this "
               "indicates some loss of shadow detail.",
               CalibrationRecord.brightnessY[BRIGHTNESS_PATCH_COUNT - 1]);
    SetInstructions(text);
}

int RunBrightnessPage() {
    if (CalibrationSettings.adjustableBrightness == 0) {
        AdvancePage();
        return 0;
    }
    SetPageTitle("Set Brightness Control");
    LoadAdapterRamp(&LinearRamp);
    ShowTargetWindow();
    HideBrightnessWindow();
    DisableTryAgain();
    BeginMeasuring();
    if (MeasureBrightnessPatches() != 0) {
        EndMeasuring();
        return 1;
    }
    RepaintBrightnessWindow();
    ShowBrightnessWindow();
    ShowBrightnessAdvice();
    EnableTryAgain();
    EndMeasuring();
    Beep();
    return 0;
}
