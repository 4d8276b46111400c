// Path joining, folder cutting and the extension rule.
#include "text/path_utils.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(JoinPath, AddsOneBackslash) {
    char out[64];
    JoinPath(out, sizeof out, "C:\\Program Files\\Prismoth", "help.chm");
    EXPECT_STREQ("C:\\Program Files\\Prismoth\\help.chm", out);
    JoinPath(out, sizeof out, "C:\\", "help.chm");
    EXPECT_STREQ("C:\\help.chm", out);
}

TEST(JoinPath, CutsAtCapacity) {
    char out[12];
    std::memset(out, 'X', sizeof out);
    JoinPath(out, 10, "C:\\folder", "file.txt");
    EXPECT_STREQ("C:\\folder", out);
    EXPECT_EQ('X', out[10]);
}

TEST(FolderOfPath, Table) {
    struct Case {
        const char* path;
        const char* folder;
    } cases[] = {
        {"C:\\Logs\\May\\run.txt", "C:\\Logs\\May"},
        {"C:\\run.txt", "C:\\"},
        {"C:run.txt", "C:"},
        {"run.txt", "."},
        {"", ""},
        {"\\run.txt", "\\"},
        {"C:\\Logs\\", "C:\\Logs"},
    };
    for (const Case& c : cases) {
        char path[64];
        std::strcpy(path, c.path);
        FolderOfPath(path);
        EXPECT_STREQ(c.folder, path) << c.path;
    }
}

TEST(LacksExtension, Table) {
    struct Case {
        const char* name;
        const char* extension;
        int lacks;
    } cases[] = {
        {"monitor.Icc", ".ICC", 0}, {".icc", ".ICC", 1}, {"monitor.icc.bak", ".ICC", 1},
        {"monitor.icm", ".ICM", 0}, {"monitoricm", ".ICM", 1}, {"m.txt", ".ICM", 1},
        {"cc", ".ICC", 1}, {"log.TXT", ".txt", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(c.lacks, LacksExtension(c.name, c.extension)) << c.name;
}

}  // namespace
