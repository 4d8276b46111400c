// Complete calibration runs on virtual monitors, and the ways a run ends
// early: a reading given up, a screen the calibrator cannot see, an adapter
// that refuses the ramp, a grey that will not converge.
#include "tests/wizard/wizard_run_fixture.h"

#include "engine/calibration_run.h"
#include "engine/colour_arithmetic.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

#define RUN_TEXT "SetInstructions Monitor Calibration\r\nThis will take several minutes.\r\n\r\n"

// Probe steps of greys 1 to 15 and their step limits.
const int kProbeStep[16] = {0, 2, 5, 8, 11, 14, 17, 19, 22, 25, 28, 31, 34, 36, 39, 42};

int Min3(int a, int b, int c) {
    return std::min(a, std::min(b, c));
}

std::string Patch(int red, int green, int blue) {
    return "SetTargetColor " + std::to_string(red) + " " + std::to_string(green) + " " +
           std::to_string(blue);
}

std::string PassText(int grey, int pass) {
    return RUN_TEXT "White Point Correction\r\nGray " + std::to_string(grey) + " of 15\r\nPass " +
           std::to_string(pass) + "...";
}

// The instructions and patches of the log, in order.
std::vector<std::string> TextsAndPatches() {
    std::vector<std::string> lines;
    for (int i = 0; i < HostUiLogCount(); ++i) {
        const std::string line = HostUiLogLine(i);
        if (line.rfind("SetInstructions ", 0) == 0 || line.rfind("SetTargetColor ", 0) == 0)
            lines.push_back(line);
    }
    return lines;
}

// Readings of one grey put in place of the monitor's: while the instructions
// name grey `grey`, the reading at the drive levels lies (dx, dy) from the
// target, the probes lowering red, green and blue move it in three
// independent directions, and the reading after the fourth pass (the final
// one) lies at (finalDx, finalDy). Y values of 0 keep the monitor's.
// With flatProbes the probes read as the grey does.
struct ScriptedGrey {
    int grey;
    double dx, dy;
    double passY, finalY;
    double finalDx, finalDy;
    int flatProbes;
};

ScriptedGrey scriptedGrey;
std::string scriptedText;
int readingsUnderText;

void PutScriptedReading(int, YxyReading* reading) {
    const ScriptedGrey& s = scriptedGrey;
    const std::string text = HostControls.instructions;
    if (text != scriptedText) scriptedText = text, readingsUnderText = 0;
    const int index = readingsUnderText++;
    char gray[32];
    std::snprintf(gray, sizeof gray, "Gray %d of 15\r\n", s.grey);
    if (text.find(gray) == std::string::npos) return;
    static const double probeMoves[4][2] = {{0, 0}, {-0.02, 0}, {0.01, -0.02}, {0.01, 0.02}};
    const int final = index == 4;
    double x = CalibrationRecord.targetWhiteX + (final ? s.finalDx : s.dx);
    double y = CalibrationRecord.targetWhiteY + (final ? s.finalDy : s.dy);
    if (!final && !s.flatProbes) x += probeMoves[index][0], y += probeMoves[index][1];
    const double luminance = final ? s.finalY : index == 0 ? s.passY : 0;
    if (luminance > 0) reading->Y = luminance;
    reading->x = x, reading->y = y, reading->z = 1 - x - y;
}

void ScriptGrey(const ScriptedGrey& grey) {
    scriptedGrey = grey;
    scriptedText.clear();
    SimReadingHook = PutScriptedReading;
}

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
    for (double& luminance : CalibrationRecord.verifyLuminance)
        luminance = -1; // figures of an earlier run
    CancelReadingsFrom(readingsBefore + total - 3);
    EXPECT_EQ(1, Run());
    for (double luminance : CalibrationRecord.verifyLuminance)
        EXPECT_EQ(-1, luminance);
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

namespace {

// A CRT without noise whose white lies off D65: one correction brings every
// grey within 0.005 of the target, so the second pass converges.
MonitorModel SteadyWarmCrt() {
    MonitorModel model = Monitor(0.3160, 0.3320, 2.2, 2.2, 2.2, 0, 0);
    model.noise = model.noiseFloor = model.chromaNoise = 0;
    return model;
}

TEST_F(CalibrationRun, RunOfGreysConvergingAtTheSecondPass) {
    UseMonitor(SteadyWarmCrt());
    GoToAttachPage();
    ClearHostUiLog();
    readingsBefore = SimToolkitState.readingCalls;
    ASSERT_EQ(0, Run()) << HostUiLogText();
    EXPECT_EQ(97, Readings());
    const std::vector<std::string> shown = TextsAndPatches();
    std::vector<std::string> expected = {RUN_TEXT "Measuring uncorrected white point",
                                         Patch(255, 255, 255), RUN_TEXT "Measuring black point",
                                         Patch(0, 0, 0)};
    int red = 0, green = 0, blue = 0;
    for (int grey = 1; grey <= 15; ++grey) {
        const int level = 17 * grey, s = kProbeStep[grey];
        expected.push_back(PassText(grey, 1));
        expected.push_back(Patch(level, level, level));
        expected.push_back(Patch(level - s, level, level));
        expected.push_back(Patch(level, level - s, level));
        expected.push_back(Patch(level, level, level - s));
        expected.push_back(PassText(grey, 2));
        // The corrected drive levels: the largest back at the level, none
        // moved further than one step limit before renormalising.
        const size_t at = expected.size();
        ASSERT_LT(at, shown.size());
        ASSERT_EQ(3, std::sscanf(shown[at].c_str(), "SetTargetColor %d %d %d", &red, &green, &blue))
            << shown[at];
        EXPECT_EQ(level, Max3(red, green, blue)) << grey;
        for (int drive : {red, green, blue})
            EXPECT_GE(drive, level - 2 * (s / 2)) << grey;
        expected.push_back(Patch(red, green, blue));
    }
    // Grey 15 was corrected, so a primary measured at full drive would show.
    ASSERT_LT(Min3(red, green, blue), 255);
    expected.push_back(RUN_TEXT "Measuring Corrected White...");
    expected.push_back(Patch(red, green, blue));
    expected.push_back(RUN_TEXT "Measuring Red Primary...");
    expected.push_back(Patch(red, 0, 0));
    expected.push_back(RUN_TEXT "Measuring Green Primary...");
    expected.push_back(Patch(0, green, 0));
    expected.push_back(RUN_TEXT "Measuring Blue Primary...");
    expected.push_back(Patch(0, 0, blue));
    for (int k = 0; k < 16; ++k) {
        expected.push_back(RUN_TEXT "Verifying Grays - " + std::to_string(k + 1) + " of 16...");
        expected.push_back(Patch(17 * k, 17 * k, 17 * k));
    }
    expected.push_back("SetInstructions Monitor calibration has been successfully completed."
                       "\r\n\r\nPlease remove the calibrator from the screen and click Next to "
                       "continue.");
    EXPECT_EQ(expected, shown);
    EXPECT_EQ(red, CalibrationRecord.driveRed);
    EXPECT_EQ(blue, CalibrationRecord.driveBlue);
}

} // namespace

namespace {

// The warning, its place and its exact text for a grey left off target.
TEST_F(CalibrationRun, UnconvergedGreyWarnsBeforeItsFinalReading) {
    ScriptGrey({5, -0.1234, 0.0567, 0, 0, 0.2, 0.2, 0});
    ASSERT_EQ(0, Run()) << HostUiLogText();
    ASSERT_EQ(1, CountHostUiLog("AskWarning"));
    const int warning =
        FindHostUiLog("AskWarning Residual white point correction errors: -0.123, 0.057");
    const int pass4 = FindHostUiLog(PassText(5, 4).c_str());
    const int next = FindHostUiLog(PassText(6, 1).c_str());
    ASSERT_GT(warning, pass4);
    ASSERT_GT(next, warning);
    auto patchesBetween = [](int from, int to) {
        int count = 0;
        for (int i = from; i < to; ++i)
            count += std::strncmp(HostUiLogLine(i), "SetTargetColor ", 15) == 0;
        return count;
    };
    EXPECT_EQ(4, patchesBetween(pass4, warning)); // the pass's reading and its probes
    EXPECT_EQ(1, patchesBetween(warning, next));  // the final reading
}

TEST_F(CalibrationRun, ResidualToleranceIsTheGreys) {
    const struct {
        int grey;
        double dx, dy;
        int warns;
    } cases[] = {
        {1, 0.499, 0, 0},        {1, 0.501, 0, 1},    {1, -0.2, 0.501, 1}, {2, 0, 0.149, 0},
        {2, 0, 0.151, 1},        {7, -0.0299, 0, 0},  {8, 0.0199, 0, 0},   {8, 0, -0.0201, 1},
        {15, 0.0199, 0.0199, 0}, {15, -0.0201, 0, 1},
    };
    for (const auto& c : cases) {
        SetUp();
        ScriptGrey({c.grey, c.dx, c.dy, 0, 0, 0, 0, 0});
        EXPECT_EQ(0, Run()) << c.grey;
        EXPECT_EQ(c.warns, CountHostUiLog("AskWarning")) << c.grey << " " << c.dx << " " << c.dy;
        // Four passes and the final reading, with or without the warning.
        EXPECT_GE(FindHostUiLog(PassText(c.grey, 4).c_str()), 0) << c.grey;
    }
}

// The luminance of a grey left off target is the final reading's, not that of
// the last pass: only the former changes the calibration ramp.
TEST_F(CalibrationRun, UnconvergedGreyKeepsTheFinalLuminance) {
    const struct { double passY, finalY; } cases[] = {{1.0, 2.0}, {3.0, 2.0}, {1.0, 4.0}};
    GammaRamp ramps[3];
    for (int i = 0; i < 3; ++i) {
        SetUp();
        ScriptGrey({3, 0.1, 0, cases[i].passY, cases[i].finalY, 0, 0, 0});
        ASSERT_EQ(0, Run());
        ramps[i] = CorrectionRamp;
    }
    EXPECT_EQ(0, std::memcmp(&ramps[0], &ramps[1], sizeof(GammaRamp)));
    EXPECT_NE(0, std::memcmp(&ramps[0], &ramps[2], sizeof(GammaRamp)));
}

TEST_F(CalibrationRun, UnsolvableCorrectionEndsTheRun) {
    ScriptGrey({1, 0.01, 0.01, 0, 0, 0, 0, 1});
    EXPECT_EQ(1, Run());
    EXPECT_EQ(1, CountHostUiLog("ShowErrorMessage Cannot estimate white point correction"));
    EXPECT_EQ(6, Readings());
    EXPECT_TRUE(AdapterHolds(LinearRamp));
    EXPECT_EQ(1, cursorShown);
    EXPECT_EQ(0, HostControls.boxesWithCursorHidden);
}

// Whites and primaries without a usable chromaticity, or primaries that
// cannot make the white, end the run with the message before the ramp changes.
TEST_F(CalibrationRun, UnusableColoursAreRefused) {
    const struct {
        const char* text;
        double x, y;
        int readings;
        int rampLoaded;
    } cases[] = {
        {"Measuring uncorrected white point", 0, 0, 2, 0},
        {"Measuring Corrected White...", NAN, NAN, 81, 0},
        {"Measuring Green Primary...", 0.64, 0.33, 81, 0}, // the same as red
        {"Verifying Grays - 16 of 16...", 0, 0, 97, 1},
    };
    for (const auto& c : cases) {
        SetUp();
        UseMonitor(SteadyWarmCrt());
        GoToAttachPage();
        readingsBefore = SimToolkitState.readingCalls;
        ScriptChromaticity(c.text, c.x, c.y);
        for (double& luminance : CalibrationRecord.verifyLuminance)
            luminance = -1;
        CalibrationRecord.correctedWhiteX = -1;
        EXPECT_EQ(1, Run()) << c.text;
        EXPECT_EQ(1, CountHostUiLog("ShowErrorMessage The measured colors cannot be those"))
            << c.text;
        EXPECT_EQ(c.readings, Readings()) << c.text;
        EXPECT_TRUE(AdapterHolds(c.rampLoaded ? CorrectionRamp : LinearRamp)) << c.text;
        EXPECT_EQ(-1, CalibrationRecord.verifyLuminance[4]) << c.text;
        EXPECT_EQ(-1, CalibrationRecord.correctedWhiteX) << c.text;
    }
}

// Black has luminance but no colour for some instruments: every black
// reading is used for its luminance alone.
TEST_F(CalibrationRun, ColourlessBlackIsMeasuredLikeAnyOther) {
    SetSettings(1, 0);
    SimFailures.colourlessBlack = 1;
    currentPage = PAGE_BRIGHTNESS;
    ASSERT_EQ(0, RunCurrentPage()) << HostUiLogText();
    EXPECT_NEAR(0.4, CalibrationRecord.brightnessY[0], 0.1);
    ASSERT_EQ(0, Run()) << HostUiLogText();
    EXPECT_EQ(0, CountHostUiLog("AskRetry"));
    EXPECT_EQ(0, CalibrationRecord.verifyReadings[0].x);
    EXPECT_EQ(0, CalibrationRecord.verifyLuminance[0]);
    EXPECT_NEAR(CalibrationRecord.targetGamma, CalibrationRecord.correctedGamma, 0.05);
}

} // namespace
