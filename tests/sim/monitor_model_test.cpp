// The virtual monitor's physics: white and primaries where the description
// puts them, the adapter's 8-bit precision, controls that move what they
// should on a real monitor, and the LCD's departures from additivity.
#include "sim/monitor_model.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const double kExact = 1e-9;

struct Chromaticity {
    double x, y, luminance;
};

Chromaticity Measure(const MonitorModel& model, int red, int green, int blue) {
    double xyz[3];
    MonitorXyzForDrive(&model, red, green, blue, xyz);
    const double sum = xyz[0] + xyz[1] + xyz[2];
    return {xyz[0] / sum, xyz[1] / sum, xyz[1]};
}

MonitorModel Monitor(int lcd) {
    MonitorModel model;
    DefaultMonitorModel(&model);
    model.lcd = lcd;
    return model;
}

TEST(MonitorModel, WhiteHasItsLuminanceAndChromaticity) {
    for (int lcd : {0, 1}) {
        const Chromaticity white = Measure(Monitor(lcd), 255, 255, 255);
        EXPECT_NEAR(120.0, white.luminance, kExact);
        EXPECT_NEAR(0.3127, white.x, kExact);
        EXPECT_NEAR(0.3290, white.y, kExact);
    }
}

TEST(MonitorModel, PrimariesAreRecoveredAboveBlack) {
    const MonitorModel model = Monitor(1);
    double black[3];
    MonitorXyzForDrive(&model, 0, 0, 0, black);
    EXPECT_NEAR(0.4, black[1], kExact);
    const int drives[3][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    for (int c = 0; c < 3; ++c) {
        double xyz[3];
        MonitorXyzForDrive(&model, drives[c][0], drives[c][1], drives[c][2], xyz);
        for (int k = 0; k < 3; ++k)
            xyz[k] -= black[k];
        const double sum = xyz[0] + xyz[1] + xyz[2];
        EXPECT_NEAR(model.primaries[c][0], xyz[0] / sum, kExact) << c;
        EXPECT_NEAR(model.primaries[c][1], xyz[1] / sum, kExact) << c;
    }
}

TEST(MonitorModel, GreysFollowTheGammaOnACrt) {
    MonitorModel model = Monitor(0);
    model.blackLuminance = 0;
    const Chromaticity grey = Measure(model, 128, 128, 128);
    EXPECT_NEAR(120.0 * std::pow(128 / 255.0, 2.2), grey.luminance, 1e-9);
    EXPECT_NEAR(0.3127, grey.x, kExact);
}

TEST(MonitorModel, OnlyTheRampsHighByteReachesThePanel) {
    const MonitorModel model = Monitor(1);
    GammaRamp ramp;
    for (int i = 0; i < 256; ++i)
        ramp.red[i] = ramp.green[i] = ramp.blue[i] = 257 * i;
    double base[3], lowByte[3], highByte[3];
    MonitorXyzForPatch(&model, &ramp, 128, 128, 128, base);
    ramp.red[128] = 128 * 256 + 255; // 32896 + 127: same high byte
    MonitorXyzForPatch(&model, &ramp, 128, 128, 128, lowByte);
    ramp.red[128] = 129 * 256;
    MonitorXyzForPatch(&model, &ramp, 128, 128, 128, highByte);
    EXPECT_EQ(base[0], lowByte[0]);
    EXPECT_GT(highByte[0], base[0] + 0.1);
    EXPECT_EQ(129, PanelDriveLevel(ramp.red, 128 + 256)); // patch values keep 8 bits too
}

// What a control moves: ratios of luminance after / before at black, at a
// dark grey and at white.
struct ControlCase {
    const char* name;
    double MonitorModel::*field;
    double value;
    double blackLow, blackHigh, darkLow, whiteLow, whiteHigh;
};

double LuminanceRatio(const MonitorModel& before, const MonitorModel& after, int level) {
    return Measure(after, level, level, level).luminance /
           Measure(before, level, level, level).luminance;
}

TEST(MonitorModel, ControlsMoveWhatTheyShould) {
    const ControlCase cases[] = {
        // brightness lifts black and darks far more than white
        {"brightness up", &MonitorModel::brightness, 0.05, 1.3, 2.0, 1.5, 1.05, 1.2},
        // contrast scales the signal: white grows, black stays
        {"contrast up", &MonitorModel::contrast, 1.2, 1.0, 1.0, 1.3, 1.4, 1.6},
    };
    for (const ControlCase& control : cases) {
        const MonitorModel before = Monitor(0);
        MonitorModel after = before;
        after.*control.field = control.value;
        const double black = LuminanceRatio(before, after, 0);
        EXPECT_GE(black, control.blackLow - kExact) << control.name;
        EXPECT_LE(black, control.blackHigh + kExact) << control.name;
        EXPECT_GE(LuminanceRatio(before, after, 32), control.darkLow) << control.name;
        EXPECT_GE(LuminanceRatio(before, after, 255), control.whiteLow) << control.name;
        EXPECT_LE(LuminanceRatio(before, after, 255), control.whiteHigh) << control.name;
    }
}

TEST(MonitorModel, BrightnessDownCrushesDarks) {
    MonitorModel model = Monitor(0);
    model.brightness = -0.1;
    EXPECT_NEAR(0.4, Measure(model, 16, 16, 16).luminance, kExact); // only the leak
    EXPECT_GT(Measure(model, 64, 64, 64).luminance, 0.5);
}

TEST(MonitorModel, GainsTintWhite) {
    MonitorModel model = Monitor(0);
    model.gain[CHANNEL_RED] = 1.1;
    const Chromaticity warmer = Measure(model, 255, 255, 255);
    EXPECT_GT(warmer.x, 0.3127 + 0.01);
    model.gain[CHANNEL_RED] = 1.0;
    model.gain[CHANNEL_BLUE] = 1.1;
    const Chromaticity cooler = Measure(model, 255, 255, 255);
    EXPECT_LT(cooler.x, 0.3127 - 0.005);
    EXPECT_LT(cooler.y, 0.3290 - 0.005);
}

TEST(MonitorModel, LcdDarksDriftInColourAndChannelsDoNotAdd) {
    for (int lcd : {0, 1}) {
        MonitorModel model = Monitor(lcd);
        model.blackLuminance = 0; // isolate the panel's own behaviour
        const Chromaticity dark = Measure(model, 24, 24, 24);
        const double drift = std::fabs(dark.x - 0.3127) + std::fabs(dark.y - 0.3290);
        const double sum = Measure(model, 255, 0, 0).luminance +
                           Measure(model, 0, 255, 0).luminance +
                           Measure(model, 0, 0, 255).luminance;
        if (lcd) {
            EXPECT_GT(drift, 0.005);
            EXPECT_NEAR(120.0 / (1 - model.crosstalk), sum, 1e-6);
        } else {
            EXPECT_LT(drift, kExact);
            EXPECT_NEAR(120.0, sum, 1e-6);
        }
    }
}

} // namespace
