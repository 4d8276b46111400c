// The simulated toolkit keeps what the wizard relies on (zero-terminated
// texts, 0 CRT / 1 LCD, dark current before readings, z = 1 - x - y, a black
// patch with y > 0), measures the virtual screen, and fails on request.
#include "meter/sipcal.h"
#include "sim/colorimeter_model.h"
#include "sim/sim_toolkit.h"
#include "sim/virtual_screen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

struct SimToolkit : ::testing::Test {
    char firmware[256];
    char revision[256];

    void SetUp() override {
        ResetSimulation();
        std::memset(firmware, 'X', sizeof firmware);
        std::memset(revision, 'X', sizeof revision);
    }

    // Open, LCD calibration, dark current: ready to read.
    void Ready() {
        ASSERT_EQ(0, sipOpenUSBChroma(firmware, 0));
        ASSERT_EQ(0, sipSelectCalibration(1));
        ASSERT_EQ(0, sipSetDarkCurrentEx());
    }

    YxyReading Read(int red, int green, int blue) {
        VirtualScreen.red = red, VirtualScreen.green = green, VirtualScreen.blue = blue;
        YxyReading reading = {-1, -1, -1, -1};
        EXPECT_EQ(0, sipAutoMeasureYxy(1, &reading));
        return reading;
    }
};

TEST_F(SimToolkit, TextsAreZeroTerminatedWithinTheirBuffers) {
    ASSERT_EQ(0, sipOpenUSBChroma(firmware, 0));
    ASSERT_EQ(0, sipGetToolkitRev(revision));
    EXPECT_NE(nullptr, std::memchr(firmware, 0, 256));
    EXPECT_NE(nullptr, std::memchr(revision, 0, 256));
    EXPECT_NE(nullptr, std::strstr(firmware, "Virtual sRGB LCD"));
    EXPECT_GT(std::strlen(revision), 0u);
    MonitorModel longName = VirtualMonitor;
    std::memset(longName.name, 'n', MONITOR_NAME_SIZE - 1);
    SelectVirtualMonitor(&longName);
    ASSERT_EQ(0, sipOpenUSBChroma(firmware, 0));
    EXPECT_LT(std::strlen(firmware), 256u);
}

TEST_F(SimToolkit, CanBeToldToLeaveTextsUnterminated) {
    SimFailures.unterminatedTexts = 1;
    ASSERT_EQ(0, sipOpenUSBChroma(firmware, 0));
    sipGetToolkitRev(revision);
    EXPECT_EQ(nullptr, std::memchr(firmware, 0, 256));
    EXPECT_EQ(nullptr, std::memchr(revision, 0, 256));
}

TEST_F(SimToolkit, CallsFailAsScriptedThenSucceed) {
    SimFailures.failingOpens = 2;
    SimFailures.failingSelections = 1;
    SimFailures.failingDarkCurrents = 1;
    EXPECT_EQ(1, sipOpenUSBChroma(firmware, 0));
    EXPECT_EQ('X', firmware[0]); // untouched while not connected
    EXPECT_EQ(1, sipOpenUSBChroma(firmware, 0));
    EXPECT_EQ(0, sipOpenUSBChroma(firmware, 0));
    EXPECT_EQ(1, sipSelectCalibration(0));
    EXPECT_EQ(0, sipSelectCalibration(0));
    EXPECT_EQ(1, sipSetDarkCurrentEx());
    EXPECT_EQ(0, sipSetDarkCurrentEx());
    EXPECT_EQ(3, SimToolkitState.openCalls);
    EXPECT_EQ(0, SimToolkitState.calibration);
}

TEST_F(SimToolkit, NothingWorksWhileClosed) {
    YxyReading reading;
    EXPECT_EQ(1, sipSelectCalibration(1));
    EXPECT_EQ(1, sipSetDarkCurrentEx());
    EXPECT_EQ(1, sipAutoMeasureYxy(1, &reading));
    EXPECT_EQ(1, sipCloseCalibrator());
    Ready();
    EXPECT_EQ(1, sipSelectCalibration(2)); // only 0 and 1 exist
    EXPECT_EQ(1, sipAutoMeasureYxy(0, &reading));
    EXPECT_EQ(0, sipCloseCalibrator());
    EXPECT_EQ(1, sipAutoMeasureYxy(1, &reading));
}

TEST_F(SimToolkit, ReadingsFillAllFourNumbers) {
    Ready();
    const YxyReading white = Read(255, 255, 255);
    EXPECT_NEAR(120.0, white.Y, 120.0 * 0.01);
    EXPECT_NEAR(0.3127, white.x, 0.003);
    EXPECT_NEAR(0.3290, white.y, 0.003);
    EXPECT_EQ(1.0 - white.x - white.y, white.z);
}

TEST_F(SimToolkit, BlackPatchesStillHaveAChromaticity) {
    MonitorModel model = VirtualMonitor;
    for (double leak : {0.4, 0.0}) {
        model.blackLuminance = leak;
        SelectVirtualMonitor(&model);
        Ready();
        const YxyReading black = Read(0, 0, 0);
        EXPECT_NEAR(leak, black.Y, 0.05);
        EXPECT_GT(black.y, 0.2);
        EXPECT_EQ(1.0 - black.x - black.y, black.z);
    }
}

TEST_F(SimToolkit, ReadingsWithoutDarkCurrentCarryAnOffset) {
    ASSERT_EQ(0, sipOpenUSBChroma(firmware, 0));
    ASSERT_EQ(0, sipSelectCalibration(1));
    const double withoutDark = Read(0, 0, 0).Y;
    ASSERT_EQ(0, sipSetDarkCurrentEx());
    const double withDark = Read(0, 0, 0).Y;
    EXPECT_NEAR(DARK_CURRENT_OFFSET, withoutDark - withDark, 0.05);
}

TEST_F(SimToolkit, WrongCalibrationBiasesReadings) {
    Ready();
    const YxyReading right = Read(255, 255, 255);
    ASSERT_EQ(0, sipSelectCalibration(0)); // CRT calibration on an LCD
    const YxyReading wrong = Read(255, 255, 255);
    EXPECT_GT(std::fabs(wrong.x - right.x) + std::fabs(wrong.y - right.y), 0.004);
    EXPECT_LT(std::fabs(wrong.x - right.x) + std::fabs(wrong.y - right.y), 0.03);
}

TEST_F(SimToolkit, ReadingsSeeTheAdaptersRamp) {
    Ready();
    const double linear = Read(255, 255, 255).Y;
    for (int i = 0; i < 256; ++i)
        VirtualScreen.ramp.red[i] = VirtualScreen.ramp.green[i] = 0;
    const double blueOnly = Read(255, 255, 255).Y;
    EXPECT_LT(blueOnly, linear * 0.2);
}

TEST_F(SimToolkit, NoiseRepeatsFromTheSeedAndHasItsSize) {
    Ready();
    double first[50], sum = 0, squares = 0;
    for (double& Y : first) {
        Y = Read(255, 255, 255).Y;
        sum += Y, squares += Y * Y;
    }
    const double mean = sum / 50, deviation = std::sqrt(squares / 50 - mean * mean);
    EXPECT_NEAR(120.0 * 0.002, deviation, 0.1);
    ResetSimToolkit();
    Ready();
    for (double Y : first)
        EXPECT_EQ(Y, Read(255, 255, 255).Y);
    MonitorModel reseeded = VirtualMonitor;
    reseeded.seed = 7;
    SelectVirtualMonitor(&reseeded);
    EXPECT_NE(first[0], Read(255, 255, 255).Y);
}

TEST_F(SimToolkit, ScriptedReadingFailuresAndBadReadings) {
    Ready();
    SimFailures.failingReadingFrom = 2;
    SimFailures.failingReadingCount = 2;
    SimFailures.badReadingFrom = 5;
    SimFailures.badReadingCount = 1;
    SimFailures.badReadingKind = SIM_BAD_ZERO_Y;
    YxyReading reading;
    const int results[] = {sipAutoMeasureYxy(1, &reading), sipAutoMeasureYxy(1, &reading),
                           sipAutoMeasureYxy(1, &reading), sipAutoMeasureYxy(1, &reading)};
    EXPECT_EQ(0, results[0]);
    EXPECT_EQ(1, results[1]);
    EXPECT_EQ(1, results[2]);
    EXPECT_EQ(0, results[3]);
    EXPECT_EQ(0, sipAutoMeasureYxy(1, &reading)); // reported as taken
    EXPECT_EQ(0.0, reading.y);
    EXPECT_EQ(0, sipAutoMeasureYxy(1, &reading));
    EXPECT_GT(reading.y, 0.2);
}

TEST_F(SimToolkit, LoadsAMonitorFile) {
    EXPECT_EQ(1, LoadVirtualMonitorFile("no-such-monitor.txt"));
    EXPECT_NE(nullptr, std::strstr(virtualMonitorProblems, "no-such-monitor.txt"));
    EXPECT_DOUBLE_EQ(120, VirtualMonitor.whiteLuminance);
}

} // namespace
