// Complete calibration runs on virtual monitors, and the ways a run ends
// early: a reading given up, a screen the calibrator cannot see, an adapter
// that refuses the ramp, a grey that will not converge.
#include "tests/wizard/wizard_run_fixture.h"

#include "engine/calibration_run.h"

#include <cmath>

namespace {

struct CalibrationRun : WizardRun {
    void SetUp() override {
        WizardRun::SetUp();
        SetSettings(0, 0);
        GoToAttachPage();
        ClearHostUiLog();
        readingsBefore = SimToolkitState.readingCalls;
    }

    int Run() {
        currentPage = PAGE_CALIBRATION;
        return RunCurrentPage();
    }

    int Readings() const { return SimToolkitState.readingCalls - readingsBefore; }

    int readingsBefore = 0;
};

MonitorModel Monitor(double whiteX, double whiteY, double red, double green, double blue, int lcd,
                     double blackLuminance) {
    MonitorModel model;
    DefaultMonitorModel(&model);
    model.whitePoint[0] = whiteX, model.whitePoint[1] = whiteY;
    model.gamma[0] = red, model.gamma[1] = green, model.gamma[2] = blue;
    model.lcd = lcd;
    model.blackLuminance = blackLuminance;
    return model;
}

TEST_F(CalibrationRun, ConvergesOnVirtualMonitors) {
    struct {
        const char* name;
        MonitorModel model;
        int whitePoint, gammaIndex;
    } cases[] = {
        {"sRGB LCD to D65/2.2", Monitor(0.3127, 0.3290, 2.2, 2.2, 2.2, 1, 0.4), WHITE_POINT_D65, 0},
        {"warm CRT to D50/1.8", Monitor(0.34, 0.35, 2.5, 2.5, 2.5, 0, 1.0), WHITE_POINT_D50, 1},
        {"cool LCD to D75/2.2", Monitor(0.285, 0.293, 2.1, 2.3, 2.5, 1, 0.3), WHITE_POINT_D75, 0},
        {"cool LCD to D65/2.2", Monitor(0.285, 0.293, 2.1, 2.3, 2.5, 1, 0.3), WHITE_POINT_D65, 0},
    };
    for (auto& c : cases) {
        SetUp();
        UseMonitor(c.model);
        GoToAttachPage();
        SetTargetsFromIndexes(c.whitePoint, c.gammaIndex);
        readingsBefore = SimToolkitState.readingCalls;
        ASSERT_EQ(0, Run()) << c.name << "\n" << HostUiLogText();
        const struct CalibrationRecord& r = CalibrationRecord;
        EXPECT_NEAR(r.targetWhiteX, r.correctedWhiteX, 0.003) << c.name;
        EXPECT_NEAR(r.targetWhiteY, r.correctedWhiteY, 0.003) << c.name;
        EXPECT_NEAR(r.targetGamma, r.correctedGamma, 0.05) << c.name;
        EXPECT_EQ(0, r.verifyLuminance[0]);
        EXPECT_EQ(1, r.verifyLuminance[15]);
        EXPECT_EQ(r.verifyLuminance[7], r.verifyReadings[7].Y);
        EXPECT_GE(Readings(), 97);
        EXPECT_LE(Readings(), 277);
        EXPECT_TRUE(AdapterHolds(CorrectionRamp)) << c.name;
        EXPECT_EQ(0, std::memcmp(&ExitRamp, &CorrectionRamp, sizeof ExitRamp));
        EXPECT_EQ(PAGE_CALIBRATION, currentPage);
        EXPECT_EQ(0, HostControls.targetVisible);
        EXPECT_EQ(1, cursorShown);
        EXPECT_EQ(0, CountHostUiLog("AskWarning")) << c.name;
    }
}

TEST_F(CalibrationRun, UncorrectedGammaIsTheMonitors) {
    MonitorModel model = Monitor(0.3127, 0.3290, 2.5, 2.5, 2.5, 1, 0.0);
    model.crosstalk = model.darkDrift[0] = model.darkDrift[1] = 0;
    model.noise = model.noiseFloor = model.chromaNoise = 0;
    UseMonitor(model);
    GoToAttachPage();
    ASSERT_EQ(0, Run());
    EXPECT_NEAR(2.5, CalibrationRecord.uncorrectedGamma, 0.02);
    EXPECT_NEAR(2.2, CalibrationRecord.correctedGamma, 0.02);
    EXPECT_NEAR(0.3127, CalibrationRecord.uncorrectedWhiteX, 0.001);
    EXPECT_NEAR(120, CalibrationRecord.uncorrectedWhiteLuminance, 1);
}

TEST_F(CalibrationRun, EveryGreyGetsOneCorrectionPass) {
    ASSERT_EQ(0, Run());
    for (int grey = 1; grey <= 15; ++grey) {
        char line[128];
        std::snprintf(line, sizeof line,
                      "SetInstructions Monitor Calibration\r\nThis will take several minutes."
                      "\r\n\r\nWhite Point Correction\r\nGray %d of 15\r\nPass 2...",
                      grey);
        EXPECT_GE(FindHostUiLog(line), 0) << grey;
    }
    // The first probe of grey 1 lowers red by its probe step of 2.
    EXPECT_GE(FindHostUiLog("SetTargetColor 15 17 17"), 0);
    EXPECT_GE(FindHostUiLog("SetTargetColor 255 255 213"), 0); // grey 15, blue probe
}

TEST_F(CalibrationRun, GivingUpLeavesAdapterOnLinearRamp) {
    GammaRamp exitBefore = ExitRamp;
    for (int reading : {1, 2, 3, 60, 90}) {
        SetUp();
        exitBefore = ExitRamp;
        CancelReadingsFrom(readingsBefore + reading);
        EXPECT_EQ(1, Run()) << reading;
        EXPECT_TRUE(AdapterHolds(LinearRamp)) << reading;
        EXPECT_EQ(0, std::memcmp(&exitBefore, &ExitRamp, sizeof ExitRamp));
        EXPECT_EQ(1, cursorShown);
        EXPECT_EQ(1, HostControls.nextEnabled);
    }
}

TEST_F(CalibrationRun, GivingUpDuringVerificationKeepsCompleteRamp) {
    ASSERT_EQ(0, Run());
    int total = Readings();
    SetUp();
    CancelReadingsFrom(readingsBefore + total - 3);
    EXPECT_EQ(1, Run());
    EXPECT_TRUE(AdapterHolds(CorrectionRamp));
    EXPECT_EQ(0, std::memcmp(&ExitRamp, &CorrectionRamp, sizeof ExitRamp));
}

TEST_F(CalibrationRun, ScreenCalibratorCannotSeeFailsEarly) {
    MonitorModel model;
    DefaultMonitorModel(&model);
    model.contrast = 0; // every patch shows only the black leak
    model.noise = model.noiseFloor = model.chromaNoise = 0;
    UseMonitor(model);
    GoToAttachPage();
    readingsBefore = SimToolkitState.readingCalls;
    EXPECT_EQ(1, Run());
    EXPECT_EQ(2, Readings());
    EXPECT_EQ(1, CountHostUiLog("ShowErrorMessage The calibrator measured no more light"));
    EXPECT_TRUE(AdapterHolds(LinearRamp));
}

TEST_F(CalibrationRun, AdapterRefusingRampFails) {
    VirtualScreen.rampSupported = 0;
    EXPECT_EQ(1, Run());
    EXPECT_EQ(1, CountHostUiLog("ShowErrorMessage Error setting gamma lookup tables"));
    EXPECT_EQ(0, CountHostUiLog("SetInstructions Monitor Calibration\r\nThis will take several "
                                "minutes.\r\n\r\nVerifying"));
}

TEST_F(CalibrationRun, CrushedDarksStillGiveSoundRamp) {
    MonitorModel model;
    DefaultMonitorModel(&model);
    model.brightness = -0.15; // greys 17 and 34 show as black
    UseMonitor(model);
    GoToAttachPage();
    ASSERT_EQ(0, Run()) << HostUiLogText();
    const unsigned short* blocks[3] = {CorrectionRamp.red, CorrectionRamp.green,
                                       CorrectionRamp.blue};
    for (const unsigned short* block : blocks) {
        EXPECT_EQ(0, block[0]);
        for (int i = 1; i < 256; ++i)
            ASSERT_GE(block[i], block[i - 1]) << i;
    }
    EXPECT_TRUE(std::isfinite(CalibrationRecord.correctedGamma));
    EXPECT_NEAR(CalibrationRecord.targetWhiteX, CalibrationRecord.correctedWhiteX, 0.003);
}

TEST_F(CalibrationRun, UnconvergedGreyWarnsAndCancelEnds) {
    MonitorModel model;
    DefaultMonitorModel(&model);
    model.chromaNoise = 0.05; // readings scatter far beyond every tolerance
    UseMonitor(model);
    GoToAttachPage();
    QueueBoxAnswers("OC");
    EXPECT_EQ(1, Run());
    EXPECT_EQ(2, CountHostUiLog("AskWarning Residual white point correction errors: "));
    EXPECT_TRUE(AdapterHolds(LinearRamp));
}

} // namespace
