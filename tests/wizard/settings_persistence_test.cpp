// Loading and saving the setup choices through an in-memory registry key,
// including keys damaged or written by something else.
#include "wizard/settings_persistence.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/calibration_record.h"
#include "tests/wizard/settings_store_fake.h"
#include "wizard/calibration_settings.h"

namespace {

struct Choices {
    int monitorType, brightness, color, whitePoint, gamma;
};

Choices Loaded() {
    const struct CalibrationSettings& s = CalibrationSettings;
    return {s.monitorType, s.adjustableBrightness, s.adjustableColor, s.whitePointIndex,
            s.gammaIndex};
}

void ExpectChoices(const Choices& expected, const char* label) {
    const Choices got = Loaded();
    EXPECT_EQ(expected.monitorType, got.monitorType) << label;
    EXPECT_EQ(expected.brightness, got.brightness) << label;
    EXPECT_EQ(expected.color, got.color) << label;
    EXPECT_EQ(expected.whitePoint, got.whitePoint) << label;
    EXPECT_EQ(expected.gamma, got.gamma) << label;
}

std::string StoredText(const char* name) {
    int size = 0;
    const char* bytes = FakeValue(name, &size);
    return bytes == nullptr ? "<missing>" : std::string(bytes, size);
}

const Choices kDefaults = {0, 1, 1, 0, 0};

class Settings : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetFakeSettingsKey(1, 1);
        // Leave-overs of an earlier load must not survive the defaults.
        CalibrationSettings = {1, 0, 0, 2, 1, "", "", "old folder"};
        CalibrationRecord.targetGamma = 0;
    }
};

TEST_F(Settings, MissingKeyGivesTheDefaults) {
    ResetFakeSettingsKey(0, 1);
    EXPECT_EQ(1, LoadSettings());
    ExpectChoices(kDefaults, "no key");
    EXPECT_STREQ("", CalibrationSettings.lastLogFolder);
    EXPECT_DOUBLE_EQ(0.9505, CalibrationRecord.targetWhiteXYZ[0]);
    EXPECT_DOUBLE_EQ(1.08880, CalibrationRecord.targetWhiteXYZ[2]);
    EXPECT_DOUBLE_EQ(2.2, CalibrationRecord.targetGamma);
}

TEST_F(Settings, SavedChoicesAreStoredExactlyAndLoadBack) {
    CalibrationSettings = {1, 1, 0, 2, 1, "my monitor", "(c) me", "C:\\logs"};
    SaveSettings();
    EXPECT_EQ(6, FakeValueCount());
    EXPECT_EQ(std::string("1.0", 4), StoredText("version"));
    EXPECT_EQ(std::string("1 1 0", 6), StoredText("monitor"));
    EXPECT_EQ(std::string("2", 2), StoredText("whitepoint"));
    EXPECT_EQ(std::string("1", 2), StoredText("monitorgamma"));
    EXPECT_EQ(std::string("(c) me", 7), StoredText("copyright"));
    EXPECT_EQ(std::string("C:\\logs", 8), StoredText("lastlogfolder"));
    EXPECT_EQ("<missing>", StoredText("description"));

    CalibrationSettings = {0, 0, 0, 0, 0, "", "", ""};
    EXPECT_EQ(0, LoadSettings());
    ExpectChoices({1, 1, 0, 2, 1}, "reloaded");
    EXPECT_STREQ("(c) me", CalibrationSettings.copyrightNotice);
    EXPECT_STREQ("C:\\logs", CalibrationSettings.lastLogFolder);
    EXPECT_DOUBLE_EQ(0.9497, CalibrationRecord.targetWhiteXYZ[0]);
    EXPECT_DOUBLE_EQ(1.0, CalibrationRecord.targetWhiteXYZ[1]);
    EXPECT_DOUBLE_EQ(1.2264, CalibrationRecord.targetWhiteXYZ[2]);
    EXPECT_DOUBLE_EQ(1.8, CalibrationRecord.targetGamma);
}

TEST_F(Settings, NumbersAreReadFromTheirLeadingDigits) {
    struct Case {
        const char* whitepoint;
        const char* gamma;
        int whitePoint, gammaIndex;
    } cases[] = {
        {"7", "2", 0, 0}, {"-1", "-1", 0, 0},      {"2x", "1x", 2, 1}, {"abc", "abc", 0, 0},
        {"1", "1", 1, 1}, {" 2 9", "\"1\"", 2, 1}, {"", "", 0, 0},
    };
    for (const Case& c : cases) {
        ResetFakeSettingsKey(1, 1);
        PutFakeText("whitepoint", c.whitepoint);
        PutFakeText("monitorgamma", c.gamma);
        LoadSettings();
        EXPECT_EQ(c.whitePoint, CalibrationSettings.whitePointIndex) << c.whitepoint;
        EXPECT_EQ(c.gammaIndex, CalibrationSettings.gammaIndex) << c.gamma;
    }
}

TEST_F(Settings, MonitorFieldsAreTakenAsStoredAndMissingOnesKeepDefaults) {
    struct Case {
        const char* monitor;
        Choices expected;
    } cases[] = {
        {"1 0 0", {1, 0, 0, 0, 0}},
        {"7 -3 2x", {7, -3, 2, 0, 0}},
        {"1", {1, 1, 1, 0, 0}},
        {"0 0", {0, 0, 1, 0, 0}},
        {"", kDefaults},
        {"abc", {0, 1, 1, 0, 0}},
    };
    for (const Case& c : cases) {
        ResetFakeSettingsKey(1, 1);
        PutFakeText("monitor", c.monitor);
        LoadSettings();
        ExpectChoices(c.expected, c.monitor);
    }
}

// A number or binary value is read as the text of its bytes: a number whose
// first byte is the digit 2 is D75, one whose first byte is 2 holds no digit.
TEST_F(Settings, ValuesOfAnyTypeAreReadAsText) {
    const char digitTwo[4] = {'2', 0, 0, 0};
    const char two[4] = {2, 0, 0, 0};
    PutFakeValue("whitepoint", digitTwo, 4);
    PutFakeValue("monitorgamma", "1", 1);
    PutFakeValue("lastlogfolder", "C:\\x", 4);
    LoadSettings();
    ExpectChoices({0, 1, 1, 2, 1}, "number and binary");
    EXPECT_STREQ("C:\\x", CalibrationSettings.lastLogFolder);
    EXPECT_DOUBLE_EQ(1.2264, CalibrationRecord.targetWhiteXYZ[2]);
    PutFakeValue("whitepoint", two, 4);
    LoadSettings();
    EXPECT_EQ(0, CalibrationSettings.whitePointIndex);
}

TEST_F(Settings, ValuesLargerThanTheirBuffersKeepTheDefaults) {
    const std::string longText(300, '1');
    PutFakeValue("monitor", longText.c_str(), 300);
    PutFakeValue("copyright", std::string(400, 'c').c_str(), 400);
    LoadSettings();
    ExpectChoices(kDefaults, "too long");
    EXPECT_STREQ("", CalibrationSettings.copyrightNotice);
}

TEST_F(Settings, TextsWithoutTerminatorAreTakenWhenTheyFit) {
    PutFakeValue("monitor", "1 0 1", 5);
    PutFakeValue("whitepoint", "2", 1);
    PutFakeValue("copyright", "mine", 4);
    LoadSettings();
    ExpectChoices({1, 0, 1, 2, 0}, "unterminated");
    EXPECT_STREQ("mine", CalibrationSettings.copyrightNotice);
}

TEST_F(Settings, LongestTextsSurviveAndOneMoreIsRefused) {
    const std::string copyright(DESCRIPTION_SIZE - 1, 'c');
    const std::string folder(LOG_FOLDER_SIZE - 1, 'f');
    std::strcpy(CalibrationSettings.copyrightNotice, copyright.c_str());
    std::strcpy(CalibrationSettings.lastLogFolder, folder.c_str());
    SaveSettings();
    CalibrationSettings.copyrightNotice[0] = 0;
    CalibrationSettings.lastLogFolder[0] = 0;
    LoadSettings();
    EXPECT_EQ(copyright, CalibrationSettings.copyrightNotice);
    EXPECT_EQ(folder, CalibrationSettings.lastLogFolder);

    // Without a terminator the same lengths plus one fill the whole buffer.
    PutFakeValue("copyright", (copyright + "x").c_str(), DESCRIPTION_SIZE);
    PutFakeValue("lastlogfolder", (folder + "x").c_str(), LOG_FOLDER_SIZE);
    CalibrationSettings.copyrightNotice[0] = 0;
    LoadSettings();
    EXPECT_STREQ("", CalibrationSettings.copyrightNotice);
    EXPECT_STREQ("", CalibrationSettings.lastLogFolder);
}

TEST_F(Settings, KeyThatCannotBeCreatedLosesTheChoicesSilently) {
    ResetFakeSettingsKey(0, 0);
    SaveSettings();
    EXPECT_EQ(0, FakeKeyExists());
    EXPECT_EQ(0, FakeValueCount());
}

} // namespace
