// The loader's start-up checks in their order of precedence, each with its
// message; the command-line switch; the flat ramp and the file name shown.
#include "loader/loader_startup.h"

#include "engine/lookup_tables.h"
#include "loader/loader_state.h"
#include "tests/loader/fake_loader_platform.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// A minimal profile as the reader takes it: a tag table with desc and mLUT.
std::vector<unsigned char> MinimalProfile(int withLookupTable) {
    std::vector<unsigned char> bytes(2048, 0);
    auto put32 = [&](size_t at, unsigned value) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<unsigned char>(value >> (24 - 8 * i));
    };
    put32(128, 2);
    const char* signatures[2] = {"desc", withLookupTable ? "mLUT" : "wtpt"};
    const unsigned offsets[2] = {160, 200};
    for (int i = 0; i < 2; ++i) {
        for (int c = 0; c < 4; ++c)
            bytes[132 + 12 * i + c] = static_cast<unsigned char>(signatures[i][c]);
        put32(136 + 12 * i, offsets[i]);
    }
    const char description[] = "Office LCD";
    for (size_t c = 0; c < sizeof description; ++c)
        bytes[172 + c] = static_cast<unsigned char>(description[c]);
    for (int k = 0; k < 768; ++k) {
        bytes[200 + 2 * k] = static_cast<unsigned char>(k % 256);
        bytes[201 + 2 * k] = 0;
    }
    return bytes;
}

std::string WriteTemporaryProfile(const std::vector<unsigned char>& bytes) {
    const std::string path = testing::TempDir() + "loader_startup_profile.icm";
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return path;
}

class LoaderChecks : public ::testing::Test {
  protected:
    void SetUp() override {
        fakeLoaderSystem = FakeLoaderSystem();
        fakeLoaderSystem.storedPath = WriteTemporaryProfile(MinimalProfile(1));
        LoaderProfilePath[0] = 0;
        LoaderDescription[0] = 0;
    }
};

TEST_F(LoaderChecks, PassWithAProfileThatHasLookupTables) {
    EXPECT_EQ(0, RunLoaderChecks());
    EXPECT_EQ(0, fakeLoaderSystem.messagesShown);
    EXPECT_STREQ("Office LCD", LoaderDescription);
    EXPECT_EQ(255 * 256, CalibratedRamp.red[255]);
    EXPECT_EQ(0, CalibratedRamp.blue[0]);
}

TEST_F(LoaderChecks, RefuseInOrderOfPrecedence) {
    struct Case {
        void (*breakSystem)(FakeLoaderSystem*);
        const char* message;
    } cases[] = {
        // Every later fault is present too: the earliest one decides.
        {[](FakeLoaderSystem* s) {
             s->versionAccepted = 0;
             s->rampReadable = 0;
             s->bitsPerPixel = 16;
         },
         "Velloran requires Windows 98/Windows 2000 or later."},
        {[](FakeLoaderSystem* s) {
             s->rampReadable = 0;
             s->bitsPerPixel = 16;
             s->keyExists = 0;
         },
         "Velloran: Your display adapter does not support hardware color lookup tables."},
        {[](FakeLoaderSystem* s) {
             s->bitsPerPixel = 16;
             s->keyExists = 0;
         },
         "Velloran requires your display to be set to at least 24-bit color."},
        {[](FakeLoaderSystem* s) {
             s->keyExists = 0;
             s->fileExists = 0;
         },
         "Velloran: Calibrated monitor profile not available"},
        {[](FakeLoaderSystem* s) {
             s->storedPath = "C:\\Profiles\\gone.icm";
             s->fileExists = 0;
         },
         "Velloran Cannot find the monitor profile: C:\\Profiles\\gone.icm"},
        {[](FakeLoaderSystem* s) {
             s->storedPath = "";
             s->fileExists = 0;
         },
         "Velloran Cannot find the monitor profile: "},
        {[](FakeLoaderSystem* s) { s->storedPath = WriteTemporaryProfile(MinimalProfile(0)); },
         "Velloran cannot locate color lookup tables in monitor profile."},
    };
    for (const Case& c : cases) {
        SetUp();
        c.breakSystem(&fakeLoaderSystem);
        EXPECT_EQ(1, RunLoaderChecks()) << c.message;
        EXPECT_EQ(c.message, fakeLoaderSystem.shownMessage);
        EXPECT_EQ(1, fakeLoaderSystem.messagesShown);
    }
}

TEST_F(LoaderChecks, MissingFileMessageShowsALongPathWhole) {
    fakeLoaderSystem.storedPath = "C:\\" + std::string(252, 'p') + ".icm"; // 259 characters
    fakeLoaderSystem.fileExists = 0;
    RunLoaderChecks();
    EXPECT_EQ("Velloran Cannot find the monitor profile: " + fakeLoaderSystem.storedPath,
              fakeLoaderSystem.shownMessage);
}

TEST(LoaderCommandLine, OnlyTheWordManualInAnyCase) {
    struct Case {
        const char* commandLine;
        int manual;
    } cases[] = {{"manual", 1},  {"MANUAL", 1},  {"Manual", 1}, {"manual x", 0},
                 {" manual", 0}, {"manual ", 0}, {"", 0},       {"manuals", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(c.manual, IsManualCommandLine(c.commandLine)) << c.commandLine;
}

TEST(LoaderRamps, FlatRampIsTheLinearRamp) {
    GammaRamp ramp;
    MakeLinearRamp(&ramp);
    EXPECT_EQ(0, ramp.red[0]);
    EXPECT_EQ(257, ramp.green[1]);
    EXPECT_EQ(32896, ramp.blue[128]);
    EXPECT_EQ(65535, ramp.red[255]);
}

TEST(LoaderFileName, AfterTheLastBackslashOrColon) {
    EXPECT_STREQ("office.icm", FileNameOfPath("C:\\Windows\\Color\\office.icm"));
    EXPECT_STREQ("office.icm", FileNameOfPath("C:office.icm"));
    EXPECT_STREQ("office.icm", FileNameOfPath("office.icm"));
    EXPECT_STREQ("", FileNameOfPath("C:\\Color\\"));
}

} // namespace
