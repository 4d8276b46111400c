// The colorimeter connection against the simulated toolkit: retry and cancel
// paths of every operation with the exact box texts, the cursor around the
// boxes, the open made once per run, readings without a luminance treated
// as failed and those without a chromaticity passed on, and texts cut to
// their buffers.
#include "meter/colorimeter.h"

#include "sim/sim_toolkit.h"
#include "sim/virtual_screen.h"
#include "tests/support/host_ui.h"
#include "wizard/ui_operations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

const char kConnectBox[] =
    "AskRetry Prismoth can't connect to the calibrator.\nCheck the cable and "
    "click OK to retry or Cancel to exit";
const char kSelectBox[] =
    "AskRetry Error selecting calibrator monitor type.\nClick OK to retry or Cancel to exit";
const char kDarkCurrentBox[] =
    "AskRetry Cannot read dark current. Click OK to retry or Cancel to exit";
const char kReadingBox[] =
    "AskRetry Error reading monitor data. Click OK to retry or Cancel to exit";

struct Colorimeter : ::testing::Test {
    void SetUp() override {
        ResetSimulation();
        ResetHostUi();
        colorimeterConnected = 0;
        firmwareText[0] = toolkitRevisionText[0] = 0;
        BeginMeasuring(); // the pages call every operation while measuring
        ClearHostUiLog();
    }

    void Connect() {
        ASSERT_EQ(0, OpenColorimeter(0));
        ASSERT_EQ(0, MeasureDarkCurrent());
        ClearHostUiLog();
    }
};

TEST_F(Colorimeter, OpenRetriesUntilConnectedThenSelectsTheMonitorType) {
    SimFailures.failingOpens = 2;
    EXPECT_EQ(0, OpenColorimeter(0));
    EXPECT_EQ(2, CountHostUiLog("AskRetry"));
    EXPECT_EQ(2, CountHostUiLog(kConnectBox));
    EXPECT_EQ(1, colorimeterConnected);
    EXPECT_NE(0, firmwareText[0]);
    EXPECT_NE(0, toolkitRevisionText[0]);
    EXPECT_GE(FindHostUiLog("RepaintInstructionsPanel"), 0);
    EXPECT_EQ(1, SimToolkitState.calibration); // crtFlag 0: LCD
}

TEST_F(Colorimeter, CancelledOpenStaysClosedWithoutFirmwareText) {
    SimFailures.failingOpens = 5;
    QueueBoxAnswers("OC");
    EXPECT_EQ(1, OpenColorimeter(1));
    EXPECT_EQ(0, colorimeterConnected);
    EXPECT_EQ(2, SimToolkitState.openCalls);
    EXPECT_EQ(0, SimToolkitState.revisionCalls + SimToolkitState.selectionCalls);
    EXPECT_EQ(0, firmwareText[0]);
    EXPECT_EQ(-1, FindHostUiLog("RepaintInstructionsPanel"));
}

TEST_F(Colorimeter, SecondOpenRepeatsRevisionAndSelectionButNotTheOpen) {
    Connect();
    EXPECT_EQ(0, OpenColorimeter(1));
    EXPECT_EQ(0, MeasureDarkCurrent());
    EXPECT_EQ(1, SimToolkitState.openCalls);
    EXPECT_EQ(2, SimToolkitState.revisionCalls);
    EXPECT_EQ(2, SimToolkitState.selectionCalls);
    EXPECT_EQ(2, SimToolkitState.darkCurrentCalls);
    EXPECT_EQ(0, SimToolkitState.calibration); // crtFlag 1: CRT
    EXPECT_EQ(0, CountHostUiLog("AskRetry"));
}

// One operation whose toolkit call fails twice before it works.
struct RetryCase {
    const char* box;
    int SimFailures::*failures;
    int (*operation)();
};

int OpenAsLcd() {
    return OpenColorimeter(0);
}
int ReadOnce() {
    YxyReading reading;
    return ReadYxy(&reading);
}

const RetryCase kRetryCases[] = {
    {kSelectBox, &SimFailures::failingSelections, OpenAsLcd},
    {kDarkCurrentBox, &SimFailures::failingDarkCurrents, MeasureDarkCurrent},
    {kReadingBox, &SimFailures::failingReadingCount, ReadOnce},
};

TEST_F(Colorimeter, EachOperationRetriesOnOkAndGivesUpOnCancel) {
    for (const RetryCase& retry : kRetryCases) {
        for (const char* answers : {"", "OC"}) {
            SetUp();
            Connect();
            SimFailures.*retry.failures = 5;
            SimFailures.failingReadingFrom = 1;
            if (!*answers) SimFailures.*retry.failures = 2;
            QueueBoxAnswers(answers);
            EXPECT_EQ(*answers ? 1 : 0, retry.operation()) << retry.box << answers;
            EXPECT_EQ(2, CountHostUiLog(retry.box)) << HostUiLogText();
            EXPECT_EQ(2, CountHostUiLog("AskRetry")) << HostUiLogText();
            EXPECT_EQ(1, colorimeterConnected); // giving up keeps the connection
        }
    }
}

TEST_F(Colorimeter, RetryBoxesShowTheHiddenCursorAndHideItAgain) {
    SimFailures.failingOpens = 1;
    ASSERT_EQ(0, OpenColorimeter(0));
    const int box = FindHostUiLog(kConnectBox);
    ASSERT_GT(box, 0);
    EXPECT_STREQ("ShowMouseCursor", HostUiLogLine(box - 1));
    EXPECT_STREQ("HideMouseCursor", HostUiLogLine(box + 1));
    EXPECT_EQ(0, HostControls.boxesWithCursorHidden);
    EXPECT_EQ(0, cursorShown);
    EXPECT_EQ(-1, HostControls.systemCursorCounter);
    EXPECT_EQ(-1, HostControls.lowestCursorCounter);
    EXPECT_EQ(0, HostControls.highestCursorCounter);
}

TEST_F(Colorimeter, RetryBoxOutsideMeasuringLeavesTheCursorShown) {
    EndMeasuring();
    SimFailures.failingOpens = 1;
    ASSERT_EQ(0, OpenColorimeter(0));
    EXPECT_EQ(1, cursorShown);
    EXPECT_EQ(0, HostControls.systemCursorCounter);
}

TEST_F(Colorimeter, ReadingsOfThePatchOnScreen) {
    Connect();
    SetTargetColor(255, 255, 255);
    YxyReading white;
    ASSERT_EQ(0, ReadYxy(&white));
    EXPECT_NEAR(120, white.Y, 2);
    EXPECT_NEAR(0.3127, white.x, 0.003);
    EXPECT_EQ(1 - white.x - white.y, white.z);
}

TEST_F(Colorimeter, ReadingsWithoutALuminanceAreRetriedLikeFailedOnes) {
    for (int kind : {SIM_BAD_NOT_A_NUMBER, SIM_BAD_INFINITE, SIM_BAD_NEGATIVE_LUMINANCE}) {
        SetUp();
        Connect();
        SimFailures.badReadingFrom = 1;
        SimFailures.badReadingCount = 1;
        SimFailures.badReadingKind = kind;
        YxyReading reading;
        EXPECT_EQ(0, ReadYxy(&reading)) << kind;
        EXPECT_EQ(1, CountHostUiLog(kReadingBox)) << kind;
        EXPECT_TRUE(ReadingIsUsable(&reading)) << kind;
        SimFailures.badReadingFrom = 3;
        QueueBoxAnswers("C");
        EXPECT_EQ(1, ReadYxy(&reading)) << kind;
    }
}

// Black has no colour to measure: a toolkit may report its luminance alone.
TEST_F(Colorimeter, ReadingsWithoutAChromaticityArePassedOn) {
    Connect();
    SimFailures.colourlessBlack = 1;
    SetTargetColor(0, 0, 0);
    YxyReading black;
    ASSERT_EQ(0, ReadYxy(&black));
    EXPECT_EQ(0, black.x + black.y + black.z);
    EXPECT_NEAR(0.4, black.Y, 0.1);
    SimFailures.badReadingFrom = 2;
    SimFailures.badReadingCount = 1;
    SimFailures.badReadingKind = SIM_BAD_ZERO_Y;
    SetTargetColor(255, 255, 255);
    YxyReading white;
    ASSERT_EQ(0, ReadYxy(&white));
    EXPECT_EQ(0, white.y);
    EXPECT_EQ(0, CountHostUiLog("AskRetry"));
}

TEST(ReadingIsUsable, AcceptsAnyFiniteLuminanceDownToNoiseAtBlack) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        YxyReading reading;
        int usable;
    } cases[] = {
        {{120, 0.3127, 0.329, 0.3583}, 1},
        {{0, 0.28, 0.29, 0.43}, 1},
        {{-0.3, 0.28, 0.29, 0.43}, 1},
        {{-0.5, 0, 0, 0}, 1},
        {{0.4, 0, 0, 0}, 1},
        {{0.4, nan, nan, nan}, 1},
        {{1, 0.3, -0.1, 0.8}, 1},
        {{1, -inf, 0.3, 0.4}, 1},
        {{-0.6, 0.28, 0.29, 0.43}, 0},
        {{nan, 0.3, 0.3, 0.4}, 0},
        {{inf, 0.3, 0.3, 0.4}, 0},
        {{-inf, 0.3, 0.3, 0.4}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.usable, ReadingIsUsable(&c.reading)) << c.reading.Y << " " << c.reading.x;
}

TEST_F(Colorimeter, UnterminatedToolkitTextsAreCut) {
    SimFailures.unterminatedTexts = 1;
    ASSERT_EQ(0, OpenColorimeter(0));
    EXPECT_EQ(255u, std::strlen(firmwareText));
    EXPECT_EQ(255u, std::strlen(toolkitRevisionText));
}

TEST_F(Colorimeter, CloseCallsTheToolkitOnlyWhenConnected) {
    EXPECT_EQ(0, CloseColorimeter());
    EXPECT_EQ(0, SimToolkitState.closeCalls);
    Connect();
    EXPECT_EQ(0, CloseColorimeter());
    EXPECT_EQ(0, colorimeterConnected);
    EXPECT_EQ(1, SimToolkitState.closeCalls);
    Connect();
    SimFailures.failingClose = 1;
    EXPECT_EQ(1, CloseColorimeter());
    EXPECT_EQ(0, colorimeterConnected);
}

} // namespace
