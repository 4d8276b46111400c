// The Windows side of a saved profile under the real system calls: the
// registry value the log-on loader reads, the colour folder, the first
// monitor, and installing a written profile into the colour folder.
#include "profile/save_platform.h"

#include "tests/profile/profile_fixtures.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const char profileKey[] = "Software\\Orvane\\Prismoth - Monitor\\Profile";

std::string StoredPath(DWORD* type) {
    char bytes[FILE_NAME_SIZE + 16] = {};
    DWORD size = sizeof bytes;
    if (RegGetValueA(HKEY_CURRENT_USER, profileKey, "pathname", RRF_RT_ANY | RRF_NOEXPAND, type,
                     bytes, &size) != ERROR_SUCCESS)
        return "<missing>";
    return std::string(bytes, size);
}

std::string KeyClass() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, profileKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "<missing>";
    char name[64] = {};
    DWORD size = sizeof name;
    RegQueryInfoKeyA(key, name, &size, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    RegCloseKey(key);
    return name;
}

TEST(StoreProfilePath, ReplacesThePathnameStringWithItsTerminator) {
    RegDeleteKeyA(HKEY_CURRENT_USER, profileKey);
    StoreProfilePath("C:\\colour\\first.icm");
    StoreProfilePath("C:\\colour\\second profile.icc");
    DWORD type = 0;
    EXPECT_EQ(std::string("C:\\colour\\second profile.icc", 29), StoredPath(&type));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ("profile", KeyClass());
    RegDeleteKeyA(HKEY_CURRENT_USER, profileKey);
}

TEST(GetColorFolder, NamesAnExistingFolder) {
    char folder[FILE_NAME_SIZE];
    ASSERT_EQ(0, GetColorFolder(folder, sizeof folder));
    const DWORD attributes = GetFileAttributesA(folder);
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, attributes) << folder;
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << folder;
}

// The association names the monitor (MONITOR\...), which is what colour
// management looks profiles up by, not the adapter it is attached to.
TEST(FindFirstMonitor, GivesTheMonitorsIdNotTheAdapters) {
    DISPLAY_DEVICEA adapter = {};
    adapter.cb = sizeof adapter;
    ASSERT_TRUE(EnumDisplayDevicesA(0, 0, &adapter, 0));
    char deviceId[DEVICE_ID_SIZE];
    ASSERT_EQ(0, FindFirstMonitor(deviceId, sizeof deviceId));
    EXPECT_EQ("MONITOR\\", std::string(deviceId).substr(0, 8)) << deviceId;
    EXPECT_STRNE(adapter.DeviceID, deviceId);
}

TEST(InstallProfile, CopiesTheProfileIntoTheColourFolder) {
    SetKnownCalibration();
    const std::string path = TestFilePath("installed.icm");
    WriteWholeFile(path, BuildProfileBytes());
    char deviceId[DEVICE_ID_SIZE];
    ASSERT_EQ(0, FindFirstMonitor(deviceId, sizeof deviceId));
    EXPECT_NE(0, deviceId[0]);
    EXPECT_EQ(0, InstallColorProfileFile(path.c_str()));
    AssociateProfileWithMonitor(path.c_str(), deviceId); // the result is Wine's to choose
    char folder[FILE_NAME_SIZE];
    ASSERT_EQ(0, GetColorFolder(folder, sizeof folder));
    const std::string installed = std::string(folder) + "\\" + path.substr(path.rfind('\\') + 1);
    EXPECT_EQ(ReadWholeFile(path), ReadWholeFile(installed)) << installed;
    DeleteFileA(installed.c_str());
    DeleteFileA(path.c_str());
}

} // namespace
