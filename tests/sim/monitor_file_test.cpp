// Monitor description files: every setting lands in the model, missing ones
// keep the defaults, and each kind of bad line is reported and skipped.
#include "sim/monitor_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

namespace {

const char kFullFile[] = "# a wide-gamut CRT\r\n"
                         "name   Studio CRT 21\"  \r\n"
                         "type CRT\r\n"
                         "white_luminance 95 cd/m2\n"
                         "white_point 0.3457 0.3585   # D50\n"
                         "red_primary 0.68 0.31\n"
                         "green_primary 0.21 0.71\n"
                         "blue_primary 0.15 0.05\n"
                         "gamma 2.4 2.3 2.5\n"
                         "black_luminance 0.1 nits\n"
                         "black_chromaticity 0.30 0.31\n"
                         "brightness -0.05\n"
                         "contrast 0.9\n"
                         "gain_red 1.1\n"
                         "gain_green 0.95\n"
                         "gain_blue 0.9\n"
                         "crosstalk 0.05\n"
                         "dark_drift 0.01 -0.01\n"
                         "noise 0.01\n"
                         "noise_floor 0.02 cd/m2\n"
                         "chroma_noise 0.001\n"
                         "seed 42\n"
                         "reading_time 250 ms\n";

TEST(MonitorFile, ReadsEverySetting) {
    MonitorModel model;
    char problems[256];
    ASSERT_EQ(0, ParseMonitorText(kFullFile, &model, problems, sizeof problems)) << problems;
    EXPECT_STREQ("", problems);
    EXPECT_STREQ("Studio CRT 21\"", model.name);
    EXPECT_EQ(0, model.lcd);
    EXPECT_DOUBLE_EQ(95, model.whiteLuminance);
    EXPECT_DOUBLE_EQ(0.3585, model.whitePoint[1]);
    EXPECT_DOUBLE_EQ(0.71, model.primaries[CHANNEL_GREEN][1]);
    EXPECT_DOUBLE_EQ(0.05, model.primaries[CHANNEL_BLUE][1]);
    EXPECT_DOUBLE_EQ(2.5, model.gamma[CHANNEL_BLUE]);
    EXPECT_DOUBLE_EQ(0.1, model.blackLuminance);
    EXPECT_DOUBLE_EQ(0.30, model.blackChromaticity[0]);
    EXPECT_DOUBLE_EQ(-0.05, model.brightness);
    EXPECT_DOUBLE_EQ(0.9, model.contrast);
    EXPECT_DOUBLE_EQ(1.1, model.gain[CHANNEL_RED]);
    EXPECT_DOUBLE_EQ(0.9, model.gain[CHANNEL_BLUE]);
    EXPECT_DOUBLE_EQ(0.05, model.crosstalk);
    EXPECT_DOUBLE_EQ(-0.01, model.darkDrift[1]);
    EXPECT_DOUBLE_EQ(0.01, model.noise);
    EXPECT_DOUBLE_EQ(0.02, model.noiseFloor);
    EXPECT_DOUBLE_EQ(0.001, model.chromaNoise);
    EXPECT_EQ(42u, model.seed);
    EXPECT_DOUBLE_EQ(0.25, model.readingTime);
}

TEST(MonitorFile, AbsentSettingsKeepTheDefaults) {
    MonitorModel model, defaults;
    DefaultMonitorModel(&defaults);
    char problems[64];
    ASSERT_EQ(0, ParseMonitorText("gamma 1.8\n\n   # nothing else\n", &model, problems, 64));
    EXPECT_EQ(1, model.lcd);
    EXPECT_DOUBLE_EQ(120, model.whiteLuminance);
    for (int c = 0; c < 3; ++c)
        EXPECT_DOUBLE_EQ(1.8, model.gamma[c]);
    model.gamma[0] = model.gamma[1] = model.gamma[2] = 2.2;
    EXPECT_EQ(0, std::memcmp(&defaults, &model, sizeof model));
}

struct BadLine {
    const char* text;
    const char* report;
};

const BadLine kBadLines[] = {
    {"gama 2.2", "line 1: unknown name \"gama\""},
    {"white_luminance", "line 1: wrong number of values for \"white_luminance\""},
    {"white_luminance 80 90", "line 1: unexpected unit \"90\""},
    {"white_luminance 80 lux", "line 1: unexpected unit \"lux\""},
    {"white_luminance eighty", "line 1: not a number \"eighty\""},
    {"white_luminance 80x", "line 1: not a number \"80x\""},
    {"white_luminance nan", "line 1: not a number \"nan\""},
    {"white_luminance -3", "line 1: value out of range for \"white_luminance\""},
    {"white_luminance inf", "line 1: value out of range for \"white_luminance\""},
    {"red_primary 0.7", "line 1: wrong number of values for \"red_primary\""},
    {"red_primary 0.7 0.4", "line 1: value out of range for \"red_primary\""},
    {"gamma 2.2 2.2", "line 1: wrong number of values for \"gamma\""},
    {"gamma 9", "line 1: value out of range for \"gamma\""},
    {"type oled", "line 1: type must be lcd or crt, not \"oled\""},
    {"type", "line 1: type must be lcd or crt, not \"\""},
    {"seed -1", "line 1: seed must be a whole number, not \"-1\""},
    {"seed 1.5", "line 1: seed must be a whole number, not \"1.5\""},
    {"reading_time 2 h", "line 1: unexpected unit \"h\""},
    {"reading_time 90 s", "line 1: value out of range for \"reading_time\""},
    {"name", "line 1: missing value for \"name\""},
    {"crosstalk 0.9", "line 1: value out of range for \"crosstalk\""},
};

TEST(MonitorFile, BadLinesAreReportedAndKeepTheDefaults) {
    MonitorModel defaults;
    DefaultMonitorModel(&defaults);
    for (const BadLine& bad : kBadLines) {
        MonitorModel model;
        char problems[256];
        EXPECT_EQ(1, ParseMonitorText(bad.text, &model, problems, sizeof problems)) << bad.text;
        EXPECT_EQ(std::string(bad.report) + "\n", problems);
        EXPECT_EQ(0, std::memcmp(&defaults, &model, sizeof model)) << bad.text;
    }
}

TEST(MonitorFile, ReportsEveryBadLineByNumberAndKeepsGoodOnes) {
    MonitorModel model;
    char problems[256];
    EXPECT_EQ(2, ParseMonitorText("noise x\ncontrast 1.2\n\nbogus\n", &model, problems, 256));
    EXPECT_STREQ("line 1: not a number \"x\"\nline 4: unknown name \"bogus\"\n", problems);
    EXPECT_DOUBLE_EQ(1.2, model.contrast);
}

TEST(MonitorFile, ReportIsCutToItsCapacity) {
    MonitorModel model;
    char problems[16];
    std::memset(problems, 'X', sizeof problems);
    EXPECT_EQ(3, ParseMonitorText("a\nb\nc\n", &model, problems, sizeof problems));
    EXPECT_EQ(15u, std::strlen(problems));
}

TEST(MonitorFile, PrimariesThatMissTheWhitePointFallBack) {
    MonitorModel model;
    char problems[256];
    // All three primaries on one side of the white point.
    EXPECT_EQ(1, ParseMonitorText("red_primary 0.6 0.35\ngreen_primary 0.5 0.45\n"
                                  "blue_primary 0.55 0.3\nwhite_luminance 200\ngamma 2\n",
                                  &model, problems, sizeof problems));
    EXPECT_NE(nullptr, std::strstr(problems, "do not fit together"));
    EXPECT_DOUBLE_EQ(0.64, model.primaries[CHANNEL_RED][0]);
    EXPECT_DOUBLE_EQ(120, model.whiteLuminance);
    EXPECT_DOUBLE_EQ(2.0, model.gamma[0]); // unrelated settings stay
    EXPECT_EQ(1, ParseMonitorText("black_luminance 130", &model, problems, sizeof problems));
}

TEST(MonitorFile, MissingFileGivesDefaultsAndOneProblem) {
    MonitorModel model;
    char problems[256];
    EXPECT_EQ(1, ReadMonitorFile("no/such/monitor.txt", &model, problems, sizeof problems));
    EXPECT_STREQ("cannot read monitor file \"no/such/monitor.txt\"\n", problems);
    EXPECT_DOUBLE_EQ(120, model.whiteLuminance);
}

TEST(MonitorFile, ReadsAFile) {
    const char* path = "monitor_file_test.txt";
    std::FILE* file = std::fopen(path, "wb");
    ASSERT_NE(nullptr, file);
    std::fputs(kFullFile, file);
    std::fclose(file);
    MonitorModel model;
    char problems[256];
    EXPECT_EQ(0, ReadMonitorFile(path, &model, problems, sizeof problems)) << problems;
    EXPECT_EQ(42u, model.seed);
    std::remove(path);
}

} // namespace
