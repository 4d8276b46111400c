// Asks the system for its version and applies the rule both programs share:
// Windows 98 or later in the 95 family, Windows 2000 or later in the NT family.
#include <windows.h>

#include "wizard/system_version_win32.h"

#include "text/text_utils.h"
#include "wizard/start_up_checks.h"

int IsRunningSystemSupported() {
    OSVERSIONINFOA version;
    FillBytes(&version, sizeof version, 0);
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version)) return 0;
    const int platform = version.dwPlatformId == VER_PLATFORM_WIN32_NT        ? PLATFORM_WINDOWS_NT
                         : version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS ? PLATFORM_WINDOWS_9X
                                                                              : 0;
    return IsSupportedWindowsVersion(platform, static_cast<int>(version.dwMajorVersion),
                                     static_cast<int>(version.dwMinorVersion));
}
