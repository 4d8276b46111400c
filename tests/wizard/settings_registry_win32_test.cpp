// The settings against the real registry of the current user: what SaveSettings
// stores, and how LoadSettings treats values that another program wrote with
// another type, without a terminator or too long for their buffers.
#include "wizard/settings_persistence.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "engine/calibration_record.h"
#include "wizard/calibration_settings.h"

namespace {

const char kKeyPath[] = "Software\\Orvane\\Prismoth - Monitor\\State";

class SettingsRegistry : public ::testing::Test {
  protected:
    void SetUp() override {
        RegDeleteKeyA(HKEY_CURRENT_USER, kKeyPath);
        CalibrationSettings = {0, 1, 1, 0, 0, "", "", ""};
    }
    void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, kKeyPath); }

    static void Put(const char* name, DWORD type, const void* bytes, DWORD size) {
        HKEY key = 0;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kKeyPath, 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &key, nullptr));
        RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(bytes), size);
        RegCloseKey(key);
    }
    static std::string Stored(const char* name, DWORD* type) {
        char bytes[512] = {};
        DWORD size = sizeof bytes;
        if (RegGetValueA(HKEY_CURRENT_USER, kKeyPath, name, RRF_RT_ANY | RRF_NOEXPAND, type, bytes,
                         &size) != ERROR_SUCCESS)
            return "<missing>";
        return std::string(bytes, size);
    }
};

TEST_F(SettingsRegistry, SavesStringsWithTheirTerminator) {
    CalibrationSettings = {1, 1, 0, 2, 1, "desk", "(c) 2024", "C:\\logs"};
    SaveSettings();
    const char* names[] = {"version",      "monitor",   "whitepoint",
                           "monitorgamma", "copyright", "lastlogfolder"};
    const std::string expected[] = {std::string("1.0", 4),      std::string("1 1 0", 6),
                                    std::string("2", 2),        std::string("1", 2),
                                    std::string("(c) 2024", 9), std::string("C:\\logs", 8)};
    for (int i = 0; i < 6; ++i) {
        DWORD type = 0;
        EXPECT_EQ(expected[i], Stored(names[i], &type)) << names[i];
        EXPECT_EQ(static_cast<DWORD>(REG_SZ), type) << names[i];
    }
    CalibrationSettings = {0, 0, 0, 0, 0, "", "", ""};
    EXPECT_EQ(0, LoadSettings());
    EXPECT_EQ(1, CalibrationSettings.monitorType);
    EXPECT_EQ(0, CalibrationSettings.adjustableColor);
    EXPECT_EQ(2, CalibrationSettings.whitePointIndex);
    EXPECT_DOUBLE_EQ(1.8, CalibrationRecord.targetGamma);
    EXPECT_STREQ("(c) 2024", CalibrationSettings.copyrightNotice);
}

// Values of other types are read as the text of their bytes; values too long
// for their buffers keep the defaults.
TEST_F(SettingsRegistry, ForeignValuesAreReadAsText) {
    const DWORD digitTwo = '2'; // little-endian: the bytes "2", 0, 0, 0
    const std::string longMonitor(300, '1');
    const std::string longCopyright(500, 'c');
    Put("whitepoint", REG_DWORD, &digitTwo, sizeof digitTwo);
    Put("monitorgamma", REG_BINARY, "1", 1);
    Put("monitor", REG_SZ, longMonitor.c_str(), 301);
    Put("copyright", REG_SZ, longCopyright.c_str(), 501);
    Put("lastlogfolder", REG_EXPAND_SZ, "C:\\x", 4); // stored without its terminator
    EXPECT_EQ(0, LoadSettings());
    EXPECT_EQ(2, CalibrationSettings.whitePointIndex);
    EXPECT_EQ(1, CalibrationSettings.gammaIndex);
    EXPECT_EQ(0, CalibrationSettings.monitorType);
    EXPECT_EQ(1, CalibrationSettings.adjustableBrightness);
    EXPECT_STREQ("", CalibrationSettings.copyrightNotice);
    EXPECT_STREQ("C:\\x", CalibrationSettings.lastLogFolder);
    const DWORD two = 2;
    Put("whitepoint", REG_DWORD, &two, sizeof two);
    EXPECT_EQ(0, LoadSettings());
    EXPECT_EQ(0, CalibrationSettings.whitePointIndex);
}

TEST_F(SettingsRegistry, MissingKeyGivesTheDefaults) {
    CalibrationSettings.whitePointIndex = 2;
    EXPECT_EQ(1, LoadSettings());
    EXPECT_EQ(0, CalibrationSettings.whitePointIndex);
}

} // namespace
