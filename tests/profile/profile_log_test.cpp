// The profile log's text, byte for byte, and the line-end rule of its line
// writer.
#include "profile/profile_log.h"

#include "engine/calibration_record.h"
#include "tests/profile/profile_fixtures.h"
#include "wizard/calibration_settings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The log of the current calibration, as written to a file.
std::string WrittenLog(const char* name) {
    const std::string path = TestFilePath(name);
    const std::string log = WriteLogFile(path);
    std::remove(path.c_str());
    return log;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(text.size(), start) << "text after the last line end";
    return lines;
}

std::string TodaysDateLine() {
    char date[32];
    FormatLogDate(LocalDateStamp(), date, sizeof date);
    return date;
}

const char* const kKnownLogAfterDate = "\r\n"
                                       "Description: Test panel\r\n"
                                       "Copyright: \r\n"
                                       "\r\n"
                                       "Monitor Type: LCD\r\n"
                                       "Target White Point: D65\r\n"
                                       "\r\n"
                                       "Target White Point CIE xy: (0.313, 0.329)\r\n"
                                       "Uncorrected White Point CIE xy: (0.305, 0.322)\r\n"
                                       "Corrected White Point CIE xy: (0.313, 0.329)\r\n"
                                       "\r\n"
                                       "Monitor Luminance: 182.46 nits\r\n"
                                       "\r\n"
                                       "Target Gamma: 2.20\r\n"
                                       "Uncorrected Gamma: 2.31\r\n"
                                       "Corrected Gamma: 2.20\r\n"
                                       "\r\n"
                                       "Red Primary CIE xy: (0.640, 0.330)\r\n"
                                       "Green Primary CIE xy: (0.300, 0.600)\r\n"
                                       "Blue Primary CIE xy: (0.150, 0.060)\r\n"
                                       "\r\n"
                                       "Red Primary CIE XYZ: (43.610, 22.250, 1.390)\r\n"
                                       "Green Primary CIE XYZ: (38.510, 71.690, 9.710)\r\n"
                                       "Blue Primary CIE XYZ: (14.310, 6.060, 71.410)\r\n"
                                       "\r\n"
                                       "Neutral Grays:\r\n"
                                       "\tMeas\t\t\tTarg\r\n"
                                       "n\tx\ty\tY\tY\r\n"
                                       "\r\n"
                                       "1\t--\t--\t0.000\t0.000\r\n"
                                       "2\t0.301\t0.329\t0.003\t0.003\r\n"
                                       "3\t0.302\t0.328\t0.013\t0.012\r\n"
                                       "4\t0.303\t0.327\t0.032\t0.029\r\n"
                                       "5\t0.304\t0.326\t0.060\t0.055\r\n"
                                       "6\t0.305\t0.325\t0.098\t0.089\r\n"
                                       "7\t0.306\t0.324\t0.147\t0.133\r\n"
                                       "8\t0.307\t0.323\t0.208\t0.187\r\n"
                                       "9\t0.308\t0.322\t0.279\t0.251\r\n"
                                       "10\t0.309\t0.321\t0.363\t0.325\r\n"
                                       "11\t0.310\t0.320\t0.459\t0.410\r\n"
                                       "12\t0.311\t0.319\t0.568\t0.505\r\n"
                                       "13\t0.312\t0.318\t0.689\t0.612\r\n"
                                       "14\t0.313\t0.317\t0.823\t0.730\r\n"
                                       "15\t0.314\t0.316\t0.970\t0.859\r\n"
                                       "16\t0.315\t0.315\t1.000\t1.000\r\n";

TEST(ProfileLog, KnownRecordByteForByte) {
    SetKnownCalibration();
    const std::string dateBefore = TodaysDateLine();
    const std::string log = WrittenLog("known.txt");
    const std::string header = "Prismoth - Monitor 1.0 Log\r\n";
    std::string expected = header + dateBefore + "\r\n" + kKnownLogAfterDate;
    if (log != expected) // the day may have turned while writing
        expected = header + TodaysDateLine() + "\r\n" + kKnownLogAfterDate;
    EXPECT_EQ(expected, log);
    EXPECT_EQ(size_t(LOG_LINE_COUNT), SplitLines(log).size());
}

TEST(ProfileLog, D75AndGamma18) {
    SetD75Gamma18Calibration();
    const std::vector<std::string> lines = SplitLines(WrittenLog("d75.txt"));
    ASSERT_EQ(size_t(LOG_LINE_COUNT), lines.size());
    EXPECT_EQ("Target White Point: D75", lines[7]);
    EXPECT_EQ("Target White Point CIE xy: (0.299, 0.315)", lines[9]);
    EXPECT_EQ("Target Gamma: 1.80", lines[15]);
    const char* const targets[16] = {"0.000", "0.008", "0.027", "0.055", "0.093", "0.138",
                                     "0.192", "0.254", "0.323", "0.399", "0.482", "0.572",
                                     "0.669", "0.773", "0.883", "1.000"};
    for (int k = 0; k < 16; ++k) {
        const std::string& row = lines[31 + k];
        EXPECT_EQ(targets[k], row.substr(row.rfind('\t') + 1)) << row;
        EXPECT_EQ(std::to_string(k + 1) + "\t", row.substr(0, row.find('\t') + 1)) << row;
    }
}

TEST(ProfileLog, ChoiceLinesForEachSetting) {
    SetKnownCalibration();
    CalibrationSettings.monitorType = MONITOR_CRT;
    CalibrationSettings.whitePointIndex = WHITE_POINT_D50;
    SetProfileTexts("Desk \\ left", "(c) 2024 Orvane");
    const std::vector<std::string> lines = SplitLines(WrittenLog("choices.txt"));
    ASSERT_EQ(size_t(LOG_LINE_COUNT), lines.size());
    EXPECT_EQ("Description: Desk \\ left", lines[3]);
    EXPECT_EQ("Copyright: (c) 2024 Orvane", lines[4]);
    EXPECT_EQ("Monitor Type: CRT", lines[6]);
    EXPECT_EQ("Target White Point: D50", lines[7]);
}

TEST(ProfileLog, LongestDescriptionFitsItsLine) {
    SetKnownCalibration();
    const std::string description(338, 'q');
    SetProfileTexts(description.c_str(), description.c_str());
    const std::vector<std::string> lines = SplitLines(WrittenLog("long.txt"));
    ASSERT_EQ(size_t(LOG_LINE_COUNT), lines.size());
    EXPECT_EQ("Description: " + description, lines[3]);
    EXPECT_EQ("Copyright: " + description, lines[4]);
}

TEST(FormatLogDate, DayMonthNameYear) {
    const struct {
        int stamp;
        const char* text;
    } cases[] = {{20240307, "7-Mar-2024"},  {19991231, "31-Dec-1999"}, {20000101, "1-Jan-2000"},
                 {20250210, "10-Feb-2025"}, {20230415, "15-Apr-2023"}, {20230520, "20-May-2023"},
                 {20230601, "1-Jun-2023"},  {20230704, "4-Jul-2023"},  {20230805, "5-Aug-2023"},
                 {20230906, "6-Sep-2023"},  {20231007, "7-Oct-2023"},  {20231108, "8-Nov-2023"}};
    for (const auto& c : cases) {
        char text[32];
        FormatLogDate(c.stamp, text, sizeof text);
        EXPECT_STREQ(c.text, text);
    }
}

// A line end is added unless the text already ends with one.
TEST(WriteLogLine, LineEndRule) {
    const struct {
        const char* text;
        const char* written;
    } cases[] = {{"abc", "abc\r\n"}, {"", "\r\n"},          {"abc\r\n", "abc\r\n"},
                 {"\r\n", "\r\n"},   {"a\n", "a\n\r\n"},    {"a\r", "a\r\r\n"},
                 {"\n", "\n\r\n"},   {"a\n\r", "a\n\r\r\n"}};
    for (const auto& c : cases) {
        const std::string path = TestFilePath("line.txt");
        OutputFile file;
        ASSERT_EQ(0, CreateOutputFile(path.c_str(), &file));
        EXPECT_EQ(0, WriteLogLine(file, c.text));
        CloseOutputFile(file);
        EXPECT_EQ(c.written, ReadWholeFile(path));
        std::remove(path.c_str());
    }
}

} // namespace
