// The platform's output files and clock, through the seam: creating,
// truncating, counting what was written, and refusing a path that cannot be.
#include "profile/output_file.h"

#include "tests/profile/profile_fixtures.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

TEST(OutputFile, WritesCountsAndTruncates) {
    const std::string path = TestFilePath("output.bin");
    OutputFile file;
    ASSERT_EQ(0, CreateOutputFile(path.c_str(), &file));
    int count = 5;
    EXPECT_EQ(0, WriteOutputBytes(file, &count, "hello world"));
    EXPECT_EQ(5, count);
    count = 0;
    EXPECT_EQ(0, WriteOutputBytes(file, &count, nullptr));
    EXPECT_EQ(0, count);
    EXPECT_EQ(0, CloseOutputFile(file));
    EXPECT_EQ("hello", ReadWholeFile(path));
    ASSERT_EQ(0, CreateOutputFile(path.c_str(), &file)); // truncates
    EXPECT_EQ(0, CloseOutputFile(file));
    EXPECT_EQ("", ReadWholeFile(path));
    EXPECT_EQ(0, std::remove(path.c_str()));
}

TEST(OutputFile, MissingFolderCannotBeCreated) {
    const std::string path = TestFilePath("no-such-folder/x.icm");
    OutputFile file = 12345;
    EXPECT_EQ(1, CreateOutputFile(path.c_str(), &file));
    EXPECT_EQ(12345, file);
}

TEST(LocalClock, StampsAreCalendarValues) {
    const int date = LocalDateStamp();
    const int time = LocalTimeStamp();
    EXPECT_GE(date / 10000, 2020);
    EXPECT_GE(date % 10000 / 100, 1);
    EXPECT_LE(date % 10000 / 100, 12);
    EXPECT_GE(date % 100, 1);
    EXPECT_LE(date % 100, 31);
    EXPECT_LE(time / 10000, 23);
    EXPECT_LE(time % 10000 / 100, 59);
    EXPECT_LE(time % 100, 59);
}

} // namespace
