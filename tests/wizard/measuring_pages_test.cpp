// The brightness and colour controls pages on virtual monitors: the patches
// they measure, what they store and show, their skips and give-ups.
#include "tests/wizard/wizard_run_fixture.h"

#include "engine/brightness_page.h"
#include "engine/white_point_page.h"

#include <cmath>
#include <vector>

namespace {

struct MeasuringPages : WizardRun {
    void SetUp() override {
        WizardRun::SetUp();
        GoToAttachPage();
        ClearHostUiLog();
    }

    // The patches shown, in order, from the log.
    static std::vector<std::string> PatchesShown() {
        std::vector<std::string> patches;
        for (int i = 0; i < HostUiLogCount(); ++i)
            if (std::strncmp(HostUiLogLine(i), "SetTargetColor ", 15) == 0)
                patches.push_back(HostUiLogLine(i) + 15);
        return patches;
    }

    // A monitor that shows exactly the reference primaries and white: no
    // black leak, no crosstalk, no instrument noise.
    static MonitorModel ExactMonitor() {
        MonitorModel model;
        DefaultMonitorModel(&model);
        model.blackLuminance = 0;
        model.crosstalk = 0;
        model.darkDrift[0] = model.darkDrift[1] = 0;
        model.noise = model.noiseFloor = model.chromaNoise = 0;
        return model;
    }
};

TEST_F(MeasuringPages, BrightnessMeasuresShadowsThenWhite) {
    currentPage = PAGE_BRIGHTNESS;
    ASSERT_EQ(0, RunCurrentPage());
    std::vector<std::string> expected = {"0 0 0",    "8 8 8",      "16 16 16", "24 24 24",
                                         "32 32 32", "40 40 40",   "48 48 48", "56 56 56",
                                         "64 64 64", "255 255 255"};
    EXPECT_EQ(expected, PatchesShown());
    const double* y = CalibrationRecord.brightnessY;
    for (int k = 1; k < BRIGHTNESS_PATCH_COUNT; ++k)
        EXPECT_GT(y[k], y[k - 1]) << k;
    EXPECT_NEAR(120, y[9], 3);
    EXPECT_EQ(1, HostControls.brightnessVisible);
    EXPECT_EQ(1, HostControls.tryAgainEnabled);
    EXPECT_EQ(1, cursorShown);
    EXPECT_TRUE(AdapterHolds(LinearRamp));
}

TEST_F(MeasuringPages, BrightnessReportsWhiteWithTwoDecimals) {
    MonitorModel model = ExactMonitor();
    model.whiteLuminance = 85.456;
    UseMonitor(model);
    GoToAttachPage();
    currentPage = PAGE_BRIGHTNESS;
    ASSERT_EQ(0, RunCurrentPage());
    EXPECT_NE(nullptr,
              std::strstr(HostControls.instructions, "Measured white luminance: 85.46 nits"))
        << HostControls.instructions;
}

TEST_F(MeasuringPages, SkippedPagesMeasureNothing) {
    SetSettings(0, 0);
    CalibrationRecord.brightnessY[3] = 7.5;
    CalibrationRecord.readings[2].x = 0.25;
    int readings = SimToolkitState.readingCalls;
    currentPage = PAGE_ATTACH_CALIBRATOR;
    CancelReadingsFrom(readings + 1); // page 7 gives up at once
    EXPECT_EQ(0, AdvancePage());
    EXPECT_EQ(readings + 1, SimToolkitState.readingCalls);
    EXPECT_EQ(7.5, CalibrationRecord.brightnessY[3]);
    EXPECT_EQ(0.25, CalibrationRecord.readings[2].x);
    EXPECT_EQ(0, CountHostUiLog("SetPageTitle Set Brightness Control"));
    EXPECT_EQ(0, CountHostUiLog("SetPageTitle Set Color Controls"));
}

TEST_F(MeasuringPages, GivingUpEndsPageWithoutItsWindow) {
    struct {
        int page, failingReading;
    } cases[] = {{PAGE_BRIGHTNESS, 4}, {PAGE_BRIGHTNESS, 10}, {PAGE_COLOR_CONTROLS, 3}};
    for (auto& c : cases) {
        SetUp();
        CancelReadingsFrom(SimToolkitState.readingCalls + c.failingReading);
        currentPage = c.page;
        EXPECT_EQ(1, RunCurrentPage());
        EXPECT_EQ(0, HostControls.brightnessVisible + HostControls.gaugeVisible);
        EXPECT_EQ(0, HostControls.tryAgainEnabled);
        EXPECT_EQ(1, cursorShown);
        EXPECT_EQ(1, HostControls.nextEnabled);
    }
}

TEST_F(MeasuringPages, ColorControlsGaugesForReferencePrimaries) {
    struct {
        int whitePoint, gamma;
        int gauges[3];
        const char* target;
    } cases[] = {
        {WHITE_POINT_D50, 0, {0, 22, 51}, "Target D50 white point: x = 0.346, y = 0.359"},
        {WHITE_POINT_D65, 0, {0, 0, 0}, "Target D65 white point: x = 0.313, y = 0.329"},
        {WHITE_POINT_D75, 0, {23, 15, 0}, "Target D75 white point: x = 0.299, y = 0.315"},
    };
    for (auto& c : cases) {
        SetUp();
        UseMonitor(ExactMonitor());
        GoToAttachPage();
        CalibrationSettings.whitePointIndex = c.whitePoint;
        SetTargetsFromIndexes(c.whitePoint, c.gamma);
        currentPage = PAGE_COLOR_CONTROLS;
        ClearHostUiLog();
        ASSERT_EQ(0, RunCurrentPage());
        std::vector<std::string> expected = {"255 255 255", "255 0 0", "0 255 0", "0 0 255",
                                             "255 255 255"};
        EXPECT_EQ(expected, PatchesShown());
        EXPECT_EQ(1, HostControls.gaugePointersShown);
        EXPECT_EQ(c.gauges[0], HostControls.gaugeRed) << c.whitePoint;
        EXPECT_EQ(c.gauges[1], HostControls.gaugeGreen) << c.whitePoint;
        EXPECT_EQ(c.gauges[2], HostControls.gaugeBlue) << c.whitePoint;
        EXPECT_NE(nullptr, std::strstr(HostControls.instructions, c.target));
        EXPECT_NE(nullptr, std::strstr(HostControls.instructions,
                                       "Measured white point: x = 0.313, y = 0.329"));
        EXPECT_EQ(1, HostControls.gaugeVisible);
        EXPECT_EQ(1, HostControls.tryAgainEnabled);
    }
}

// Colours that cannot be a monitor's are refused with a message that asks
// the user to try again: reached by Try Again the page keeps that button
// enabled, reached by Next the wizard falls back to the attach page.
TEST_F(MeasuringPages, ColorControlsRefuseUnusableColours) {
    const struct {
        const char* text;
        double x, y;
    } cases[] = {
        {"Measuring color 1 of 4...", 0, 0},       // white without chromaticity
        {"Measuring color 3 of 4...", 0.64, 0.33}, // green read as red
        {"Measuring color 4 of 4...", NAN, NAN},
    };
    for (const auto& c : cases) {
        SetUp();
        currentPage = PAGE_COLOR_CONTROLS;
        ASSERT_EQ(0, RunCurrentPage());
        ScriptChromaticity(c.text, c.x, c.y);
        HostControls.gaugeRed = -1;
        ClearHostUiLog();
        EXPECT_EQ(1, RunCurrentPage()) << c.text; // Try Again
        EXPECT_EQ(1, CountHostUiLog("ShowErrorMessage The measured colors cannot be those"));
        EXPECT_EQ(PAGE_COLOR_CONTROLS, currentPage);
        EXPECT_EQ(1, HostControls.tryAgainEnabled) << c.text;
        EXPECT_EQ(1, HostControls.nextEnabled);
        EXPECT_EQ(0, HostControls.gaugeVisible);
        EXPECT_EQ(-1, HostControls.gaugeRed);
        EXPECT_EQ(1, cursorShown);
        currentPage = PAGE_BRIGHTNESS;
        EXPECT_EQ(0, AdvancePage()) << c.text;
        EXPECT_EQ(PAGE_ATTACH_CALIBRATOR, currentPage);
        EXPECT_EQ(0, HostControls.tryAgainEnabled);
    }
}

} // namespace
