// Failed and short writes and a fixed clock, simulated through the host's
// output files: the profile writer and the log writer must report the
// failures instead of claiming success.
#include "profile/icc_profile.h"
#include "profile/output_file_host.h"
#include "profile/profile_log.h"

#include "tests/profile/profile_fixtures.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <string>

namespace {

class OutputFaults : public testing::Test {
  protected:
    void SetUp() override {
        SetKnownCalibration();
        path = TestFilePath("faults.out");
        ASSERT_EQ(0, CreateOutputFile(path.c_str(), &file));
    }
    void TearDown() override {
        OutputSimulation = {0, -1, 0, 0};
        if (IsOpen()) CloseOutputFile(file);
        std::remove(path.c_str());
    }
    bool IsOpen() const { return fcntl(static_cast<int>(file), F_GETFD) != -1; }
    std::string path;
    OutputFile file = -1;
};

TEST_F(OutputFaults, FailedProfileWriteIsReportedAndLeavesTheFileOpen) {
    OutputSimulation.failWrites = 1;
    EXPECT_EQ(1, WriteProfile(file));
    EXPECT_TRUE(IsOpen()); // the caller closes it
}

TEST_F(OutputFaults, ShortProfileWriteIsReported) {
    OutputSimulation.writeLimit = 2000;
    EXPECT_EQ(1, WriteProfile(file));
    EXPECT_TRUE(IsOpen());
    CloseOutputFile(file);
    EXPECT_EQ(2000u, ReadWholeFile(path).size());
}

TEST_F(OutputFaults, WholeProfileWriteSucceedsAndCloses) {
    EXPECT_EQ(0, WriteProfile(file));
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(2862u, ReadWholeFile(path).size());
}

TEST_F(OutputFaults, FailedLogWritesAreReported) {
    OutputSimulation.failWrites = 1;
    EXPECT_EQ(1, WriteLogLine(file, "text"));
    EXPECT_EQ(1, WriteLogLine(file, ""));
    EXPECT_EQ(1, WriteProfileLog(file));
    CloseOutputFile(file);
    EXPECT_EQ("", ReadWholeFile(path));
}

// A text cut short gets no line end; a line end cut short is a failure too.
TEST_F(OutputFaults, ShortLogWritesAreReported) {
    OutputSimulation.writeLimit = 3;
    EXPECT_EQ(1, WriteLogLine(file, "abcdef"));
    OutputSimulation.writeLimit = 1;
    EXPECT_EQ(1, WriteLogLine(file, "a"));
    EXPECT_EQ(1, WriteProfileLog(file));
    CloseOutputFile(file);
    EXPECT_EQ("abca\rP", ReadWholeFile(path).substr(0, 6));
}

// A real failure of the system's write: a full device.
TEST(FullDevice, WritesFailAndAreReported) {
    SetKnownCalibration();
    OutputFile file;
    ASSERT_EQ(0, CreateOutputFile("/dev/full", &file));
    int count = 4;
    EXPECT_EQ(1, WriteOutputBytes(file, &count, "full"));
    EXPECT_EQ(4, count);
    EXPECT_EQ(1, WriteProfileLog(file));
    EXPECT_EQ(1, WriteProfile(file));
    CloseOutputFile(file);
}

TEST_F(OutputFaults, FixedClockDatesProfileAndLog) {
    OutputSimulation.dateStamp = 20240307;
    OutputSimulation.timeStamp = 130509;
    EXPECT_EQ(0, WriteProfileLog(file));
    CloseOutputFile(file);
    const std::string log = ReadWholeFile(path);
    EXPECT_EQ("Prismoth - Monitor 1.0 Log\r\n7-Mar-2024\r\n\r\n", log.substr(0, 42));
    const std::vector<unsigned char> profile = BuildProfileBytes();
    const unsigned char expected[12] = {0x07, 0xE8, 0, 3, 0, 7, 0, 13, 0, 5, 0, 9};
    EXPECT_EQ(std::vector<unsigned char>(expected, expected + 12),
              std::vector<unsigned char>(profile.begin() + 24, profile.begin() + 36));
}

} // namespace
