// The host seams other tests rely on: cursor counting, boxes over a hidden
// cursor, scripted answers, the target colour reaching the virtual screen,
// page control resets, and the adapter's 8-bit ramp precision.
#include "engine/adapter_ramp.h"
#include "sim/virtual_screen.h"
#include "tests/support/host_ui.h"
#include "wizard/ui_operations.h"

#include <gtest/gtest.h>

int currentPage = 1; // the page controller's, which this program does not link

namespace {

struct HostPlatform : ::testing::Test {
    void SetUp() override {
        ResetHostUi();
        ResetVirtualScreen();
    }
};

TEST_F(HostPlatform, CursorIsHiddenAndShownOnceAcrossRepeatedCalls) {
    BeginMeasuring();
    BeginMeasuring();
    EXPECT_EQ(0, cursorShown);
    EXPECT_EQ(-1, HostControls.systemCursorCounter);
    EXPECT_EQ(0, HostControls.prevEnabled + HostControls.nextEnabled + HostControls.helpEnabled +
                     HostControls.exitEnabled);
    EndMeasuring();
    EXPECT_EQ(1, cursorShown);
    EXPECT_EQ(0, HostControls.systemCursorCounter);
    ShowMouseCursor();
    EXPECT_EQ(-1, HostControls.lowestCursorCounter);
    EXPECT_EQ(0, HostControls.highestCursorCounter);
    EXPECT_EQ(4, HostControls.prevEnabled + HostControls.nextEnabled + HostControls.helpEnabled +
                     HostControls.exitEnabled);
}

TEST_F(HostPlatform, EveryBoxShowsTheCursorForItsDuration) {
    BeginMeasuring();
    ShowErrorMessage("Error setting gamma lookup tables");
    QueueBoxAnswers("C");
    EXPECT_EQ(1, AskWarning("careful"));
    EXPECT_EQ(0, HostControls.boxesWithCursorHidden);
    EXPECT_EQ(0, cursorShown);
    EXPECT_EQ(-1, HostControls.systemCursorCounter);
    EXPECT_EQ(0, AskRetry("retry?"));
    EXPECT_EQ(0, HostControls.boxesWithCursorHidden);
    EXPECT_EQ(0, cursorShown);
    EXPECT_GE(FindHostUiLog("ShowErrorMessage Error setting gamma lookup tables"), 0);
}

TEST_F(HostPlatform, ScriptedAnswersComeInOrderThenOk) {
    QueueBoxAnswers("OCO");
    const int answers[] = {AskRetry("a"), AskWarning("b"), AskRetry("c"), AskRetry("d")};
    EXPECT_EQ(0, answers[0]);
    EXPECT_EQ(1, answers[1]);
    EXPECT_EQ(0, answers[2]);
    EXPECT_EQ(0, answers[3]);
    EXPECT_EQ(0, PendingBoxAnswers());
    EXPECT_EQ(3, CountHostUiLog("AskRetry "));
}

TEST_F(HostPlatform, EndlessUnscriptedBoxesStopTheProgram) {
    EXPECT_DEATH(
        {
            for (;;)
                AskRetry("again");
        },
        "unscripted message boxes");
}

TEST_F(HostPlatform, TargetColorKeepsLowEightBits) {
    SetTargetColor(300, 255, -1);
    EXPECT_EQ(44, VirtualScreen.red);
    EXPECT_EQ(255, VirtualScreen.green);
    EXPECT_EQ(255, VirtualScreen.blue);
    EXPECT_STREQ("SetTargetColor 300 255 -1", HostUiLogLine(0));
}

TEST_F(HostPlatform, ResetPageControlsHidesAllButTitleAndText) {
    ShowSetupForm();
    ShowSaveButtons();
    ShowTargetWindow();
    ShowGaugeWindow();
    ShowResultsWindow();
    ShowBrightnessWindow();
    EnableTryAgain();
    SetInstructions("text");
    for (int page : {1, 2, 8}) {
        currentPage = page;
        ResetPageControls();
        EXPECT_EQ(page > 1, HostControls.prevEnabled);
        EXPECT_EQ(1, HostControls.nextEnabled);
        EXPECT_EQ(0, HostControls.setupFormVisible + HostControls.saveButtonsVisible +
                         HostControls.targetVisible + HostControls.gaugeVisible +
                         HostControls.resultsVisible + HostControls.brightnessVisible +
                         HostControls.tryAgainEnabled);
    }
    currentPage = 1;
    EXPECT_STREQ("Setup", HostControls.pageTitle);
    EXPECT_STREQ("text", HostControls.instructions);
}

TEST_F(HostPlatform, LoadedRampKeepsEightBitsAndSaveReadsItBack) {
    GammaRamp ramp;
    for (int i = 0; i < 256; ++i) {
        ramp.red[i] = static_cast<unsigned short>(256 * i + 255);
        ramp.green[i] = static_cast<unsigned short>(256 * i);
        ramp.blue[i] = static_cast<unsigned short>(65535 - 256 * i);
    }
    ASSERT_EQ(0, LoadAdapterRamp(&ramp));
    GammaRamp back;
    ASSERT_EQ(0, SaveAdapterRamp(&back));
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(257 * i, back.red[i]);
        EXPECT_EQ(257 * i, back.green[i]);
        EXPECT_EQ(257 * (255 - i), back.blue[i]);
    }
}

TEST_F(HostPlatform, UnsupportedAdapterRefusesBothWays) {
    VirtualScreen.rampSupported = 0;
    GammaRamp ramp = {};
    EXPECT_EQ(1, LoadAdapterRamp(&ramp));
    EXPECT_EQ(1, SaveAdapterRamp(&ramp));
    EXPECT_EQ(65535, VirtualScreen.ramp.red[255]); // untouched
    EXPECT_EQ(0, ramp.red[255]);
}

} // namespace
