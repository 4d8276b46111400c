// The calibration run. Everything happens inside the page handler with the
// cursor hidden and the buttons disabled; the adapter stays on the linear
// ramp until the calibration ramp is complete, so a run given up early leaves
// the screen as it was.
#include "engine/calibration_run.h"

#include "engine/adapter_ramp.h"
#include "engine/calibration_record.h"
#include "engine/colour_arithmetic.h"
#include "engine/gamma_estimate.h"
#include "engine/lookup_tables.h"
#include "engine/measurement_errors.h"
#include "engine/white_point_correction.h"
#include "meter/colorimeter.h"
#include "text/text_format.h"
#include "wizard/ui_operations.h"

#include <cmath>

#define RUN_PREFIX "Monitor Calibration\r\nThis will take several minutes.\r\n\r\n"

enum { GREY_STEP = 17, MAX_PASSES = 4 };

static const double ConvergenceTolerance = 0.005;

// Largest last difference, per grey 1 to 15, accepted without a warning.
static const double ResidualTolerance[CALIBRATION_GREY_COUNT] = {
    0.5, 0.15, 0.07, 0.04, 0.03, 0.03, 0.03, 0.02, 0.02, 0.02, 0.02, 0.02, 0.02, 0.02, 0.02};

// Working values of one run: per grey 0 (black) to 15 the drive levels and
// the luminance, first in cd/m2, then normalised.
struct GreyScale {
    int red[CORRECTION_GREY_COUNT], green[CORRECTION_GREY_COUNT], blue[CORRECTION_GREY_COUNT];
    double luminance[CORRECTION_GREY_COUNT];
};

static int ShowAndRead(int red, int green, int blue, YxyReading* reading) {
    SetTargetColor(red, green, blue);
    return ReadYxy(reading);
}

static int ReadAtDrives(YxyReading* reading) {
    return ShowAndRead(CalibrationRecord.driveRed, CalibrationRecord.driveGreen,
                       CalibrationRecord.driveBlue, reading);
}

// 1, after telling the user, when a white reading has no chromaticity.
static int RefuseColourlessWhite(const YxyReading* white) {
    if (ChromaticityIsUsable(white)) return 0;
    ShowErrorMessage(UnusableColorsMessage);
    return 1;
}

static int MeasureWhiteAndBlack(GreyScale* greys) {
    YxyReading* slot = &CalibrationRecord.readings[0];
    SetInstructions(RUN_PREFIX "Measuring uncorrected white point");
    if (ShowAndRead(255, 255, 255, slot) != 0) return 1;
    const YxyReading white = *slot;
    CalibrationRecord.uncorrectedWhiteX = slot->x;
    CalibrationRecord.uncorrectedWhiteY = slot->y;
    CalibrationRecord.uncorrectedWhiteLuminance = slot->Y;
    SetInstructions(RUN_PREFIX "Measuring black point");
    if (ShowAndRead(0, 0, 0, slot) != 0) return 1;
    greys->red[0] = greys->green[0] = greys->blue[0] = 0;
    greys->luminance[0] = slot->Y;
    // Minutes of correcting would be wasted on a screen the calibrator cannot
    // see, or whose white has no colour to correct towards.
    if (!(CalibrationRecord.uncorrectedWhiteLuminance > slot->Y)) {
        ShowErrorMessage(DarkWhiteMessage);
        return 1;
    }
    return RefuseColourlessWhite(&white);
}

// Probes the three channels lowered by the grey's step, then corrects.
static int CorrectionPass(int level, double dx, double dy) {
    YxyReading* r = CalibrationRecord.readings;
    int drives[3] = {CalibrationRecord.driveRed, CalibrationRecord.driveGreen,
                     CalibrationRecord.driveBlue};
    int step = ProbeStep(level);
    if (ShowAndRead(drives[0] - step, drives[1], drives[2], &r[1]) != 0 ||
        ShowAndRead(drives[0], drives[1] - step, drives[2], &r[2]) != 0 ||
        ShowAndRead(drives[0], drives[1], drives[2] - step, &r[3]) != 0)
        return 1;
    if (ApplyWhitePointCorrection(r, dx, dy, level, drives) != 0) {
        ShowErrorMessage("Cannot estimate white point correction");
        return 1;
    }
    CalibrationRecord.driveRed = drives[0];
    CalibrationRecord.driveGreen = drives[1];
    CalibrationRecord.driveBlue = drives[2];
    return 0;
}

// 1 when the user cancels the warning about a grey left off target.
static int CheckResidual(int grey, double dx, double dy) {
    double tolerance = ResidualTolerance[grey - 1];
    if (std::fabs(dx) <= tolerance && std::fabs(dy) <= tolerance) return 0;
    char text[PAGE_MESSAGE_SIZE];
    FormatText(text, PAGE_MESSAGE_SIZE, "Residual white point correction errors: %3f, %3f", dx, dy);
    return AskWarning(text);
}

static void ShowCorrectionStep(int grey, int pass) {
    char text[PAGE_MESSAGE_SIZE];
    FormatText(text, PAGE_MESSAGE_SIZE,
               RUN_PREFIX "White Point Correction\r\nGray %d of 15\r\nPass %d...", grey, pass);
    SetInstructions(text);
}

// Up to four passes until the grey reads the target white; entry grey of
// greys gets its final drive levels and luminance.
static int CorrectGrey(int grey, GreyScale* greys) {
    int level = GREY_STEP * grey;
    const YxyReading* slot = &CalibrationRecord.readings[0];
    CalibrationRecord.driveRed = CalibrationRecord.driveGreen = CalibrationRecord.driveBlue = level;
    double dx = 0, dy = 0;
    int converged = 0;
    for (int pass = 1; pass <= MAX_PASSES && !converged; ++pass) {
        ShowCorrectionStep(grey, pass);
        if (ReadAtDrives(&CalibrationRecord.readings[0]) != 0) return 1;
        dx = slot->x - CalibrationRecord.targetWhiteX;
        dy = slot->y - CalibrationRecord.targetWhiteY;
        converged = pass >= 2 && std::fabs(dx) <= ConvergenceTolerance &&
                    std::fabs(dy) <= ConvergenceTolerance;
        if (!converged && CorrectionPass(level, dx, dy) != 0) return 1;
    }
    if (CheckResidual(grey, dx, dy) != 0) return 1;
    if (!converged && ReadAtDrives(&CalibrationRecord.readings[0]) != 0) return 1;
    greys->red[grey] = CalibrationRecord.driveRed;
    greys->green[grey] = CalibrationRecord.driveGreen;
    greys->blue[grey] = CalibrationRecord.driveBlue;
    greys->luminance[grey] = slot->Y;
    return 0;
}

static int MeasureCorrectedPrimaries() {
    YxyReading* r = CalibrationRecord.readings;
    int red = CalibrationRecord.driveRed;
    int green = CalibrationRecord.driveGreen;
    int blue = CalibrationRecord.driveBlue;
    SetInstructions(RUN_PREFIX "Measuring Corrected White...");
    if (ReadAtDrives(&r[0]) != 0) return 1;
    SetInstructions(RUN_PREFIX "Measuring Red Primary...");
    if (ShowAndRead(red, 0, 0, &r[1]) != 0) return 1;
    SetInstructions(RUN_PREFIX "Measuring Green Primary...");
    if (ShowAndRead(0, green, 0, &r[2]) != 0) return 1;
    SetInstructions(RUN_PREFIX "Measuring Blue Primary...");
    if (ShowAndRead(0, 0, blue, &r[3]) != 0) return 1;
    if (StoreWhiteAndPrimaries() != 0 || ComputePrimariesXYZ() != 0) {
        ShowErrorMessage(UnusableColorsMessage);
        return 1;
    }
    return 0;
}

// Scales luminances[0..15] to 0 at the first and 1 at the last. 1, after
// telling the user, when the last is not brighter than the first.
static int NormaliseLuminances(double* luminances) {
    double black = luminances[0];
    double span = luminances[CORRECTION_GREY_COUNT - 1] - black;
    if (!(span > 0)) {
        ShowErrorMessage(DarkWhiteMessage);
        return 1;
    }
    for (int k = 0; k < CORRECTION_GREY_COUNT; ++k)
        luminances[k] = (luminances[k] - black) / span;
    return 0;
}

static int LoadCorrection(GreyScale* greys) {
    if (NormaliseLuminances(greys->luminance) != 0) return 1;
    CalibrationRecord.uncorrectedGamma = EstimateGamma(greys->luminance, CORRECTION_GREY_COUNT);
    if (BuildCorrectionRamp(greys->red, greys->green, greys->blue, greys->luminance) != 0 ||
        LoadAdapterRamp(&CorrectionRamp) != 0) {
        ShowErrorMessage("Error setting gamma lookup tables");
        return 1;
    }
    return 0;
}

// The luminances are normalised and stored only once all 16 greys are read,
// so a verification given up part-way keeps the previous run's figures.
static int VerifyGreys() {
    char text[PAGE_MESSAGE_SIZE];
    YxyReading* readings = CalibrationRecord.verifyReadings;
    double luminances[VERIFY_GREY_COUNT];
    for (int k = 0; k < VERIFY_GREY_COUNT; ++k) {
        FormatText(text, PAGE_MESSAGE_SIZE, RUN_PREFIX "Verifying Grays - %d of 16...", k + 1);
        SetInstructions(text);
        int grey = GREY_STEP * k;
        if (ShowAndRead(grey, grey, grey, &readings[k]) != 0) return 1;
        luminances[k] = readings[k].Y;
    }
    const YxyReading* white = &readings[VERIFY_GREY_COUNT - 1];
    if (RefuseColourlessWhite(white) != 0) return 1;
    CalibrationRecord.correctedWhiteX = white->x;
    CalibrationRecord.correctedWhiteY = white->y;
    if (NormaliseLuminances(luminances) != 0) return 1;
    for (int k = 0; k < VERIFY_GREY_COUNT; ++k)
        CalibrationRecord.verifyLuminance[k] = readings[k].Y = luminances[k];
    CalibrationRecord.correctedGamma =
        EstimateGamma(CalibrationRecord.verifyLuminance, VERIFY_GREY_COUNT);
    return 0;
}

static int CalibrateAndVerify() {
    GreyScale greys;
    if (MeasureWhiteAndBlack(&greys) != 0) return 1;
    for (int grey = 1; grey <= CALIBRATION_GREY_COUNT; ++grey)
        if (CorrectGrey(grey, &greys) != 0) return 1;
    if (MeasureCorrectedPrimaries() != 0 || LoadCorrection(&greys) != 0) return 1;
    return VerifyGreys();
}

int RunCalibrationPage() {
    BeginMeasuring();
    LoadAdapterRamp(&LinearRamp);
    SetPageTitle("Monitor Calibration");
    ShowTargetWindow();
    TargetWhiteChromaticity();
    if (CalibrateAndVerify() != 0) {
        EndMeasuring();
        return 1;
    }
    HideTargetWindow();
    SetInstructions("Monitor calibration has been successfully completed.\r\n\r\nPlease remove "
                    "the calibrator from the screen and click Next to continue.");
    Beep();
    EndMeasuring();
    return 0;
}
