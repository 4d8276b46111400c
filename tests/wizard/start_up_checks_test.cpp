// Which systems the wizard starts on, and where it looks for its help file.
#include "wizard/start_up_checks.h"

#include <gtest/gtest.h>

namespace {

TEST(IsSupportedWindowsVersion, NinetyEightAndTwoThousandOnwards) {
    struct Case {
        int platform, major, minor, supported;
    } cases[] = {
        {PLATFORM_WINDOWS_9X, 4, 0, 0},  // Windows 95
        {PLATFORM_WINDOWS_9X, 4, 10, 1}, // Windows 98
        {PLATFORM_WINDOWS_9X, 4, 90, 1}, // Windows Me
        {PLATFORM_WINDOWS_9X, 3, 95, 0}, {PLATFORM_WINDOWS_9X, 5, 0, 1},
        {PLATFORM_WINDOWS_NT, 4, 0, 0},                // Windows NT 4.0
        {PLATFORM_WINDOWS_NT, 5, 0, 1},                // Windows 2000
        {PLATFORM_WINDOWS_NT, 10, 0, 1}, {0, 6, 0, 0}, // Win32s
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.supported, IsSupportedWindowsVersion(c.platform, c.major, c.minor))
            << c.platform << " " << c.major << "." << c.minor;
}

TEST(HelpPathForProgram, BesideTheProgram) {
    char path[PROGRAM_PATH_SIZE];
    HelpPathForProgram("C:\\Program Files\\Prismoth\\Prismoth - Monitor.exe", path, sizeof path);
    EXPECT_STREQ("C:\\Program Files\\Prismoth\\Prismoth - Monitor.chm", path);
    HelpPathForProgram("C:\\Prismoth - Monitor.exe", path, sizeof path);
    EXPECT_STREQ("C:\\Prismoth - Monitor.chm", path);
}

// FindHelpFile passes an empty path when the system had to cut the program's.
TEST(HelpPathForProgram, NoProgramPathGivesNoHelpPath) {
    char path[PROGRAM_PATH_SIZE] = "left over";
    HelpPathForProgram("", path, sizeof path);
    EXPECT_STREQ("", path);
}

TEST(HelpPathForProgram, CutToCapacity) {
    char path[16];
    HelpPathForProgram("C:\\tools\\Prismoth - Monitor.exe", path, sizeof path);
    EXPECT_STREQ("C:\\tools\\Prismo", path);
}

} // namespace
