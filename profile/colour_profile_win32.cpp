// The system's side of a saved profile: the colour folder, installing the
// profile and associating it with the first monitor (Image Colour
// Management), and the registry value the log-on loader reads.
#include "profile/save_platform.h"

#include "text/text_utils.h"

#include <windows.h>
#include <icm.h>

static const char profileKeyPath[] = "Software\\Orvane\\Prismoth - Monitor\\Profile";
static char profileKeyClass[] = "profile";

int GetColorFolder(char* folder, int capacity) {
    DWORD size = static_cast<DWORD>(capacity);
    if (!GetColorDirectoryA(0, folder, &size)) return 1;
    return 0;
}

int FindFirstMonitor(char* deviceId, int capacity) {
    DISPLAY_DEVICEA device;
    ZeroMemory(&device, sizeof device);
    device.cb = sizeof device;
    if (EnumDisplayDevicesA(0, 0, &device, 0) != TRUE) return 1;
    char adapterName[sizeof device.DeviceName + 1];
    CopyTextLimited(device.DeviceName, adapterName, sizeof device.DeviceName);
    // Without a monitor the record keeps the adapter's own fields.
    EnumDisplayDevicesA(adapterName, 0, &device, 0);
    int limit = capacity - 1;
    if (limit > static_cast<int>(sizeof device.DeviceID)) limit = sizeof device.DeviceID;
    CopyTextLimited(device.DeviceID, deviceId, limit);
    return 0;
}

int InstallColorProfileFile(const char* path) {
    return InstallColorProfileA(0, path) ? 0 : 1;
}

int AssociateProfileWithMonitor(const char* path, const char* deviceId) {
    return AssociateColorProfileWithDeviceA(0, path, deviceId) ? 0 : 1;
}

void StoreProfilePath(const char* path) {
    HKEY key;
    DWORD disposition;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, profileKeyPath, 0, profileKeyClass,
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, 0, &key,
                        &disposition) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, "pathname", 0, REG_SZ, reinterpret_cast<const BYTE*>(path),
                   static_cast<DWORD>(TextLength(path) + 1));
    RegCloseKey(key);
}
