// The loader's start-up checks against the real system: version, the screen's
// device context, the wizard's registry key and the profile file.
#include <windows.h>

#include "engine/gamma_ramp.h"
#include "loader/loader_platform.h"
#include "loader/loader_state.h"
#include "wizard/system_version_win32.h"

namespace {

const char kProfileKey[] = "Software\\Orvane\\Prismoth - Monitor\\Profile";

} // namespace

int IsSystemVersionAccepted() {
    return IsRunningSystemSupported();
}

void ProbeDisplay(int* rampReadable, int* bitsPerPixel) {
    GammaRamp scratch;
    HDC screen = GetDC(NULL);
    *bitsPerPixel = GetDeviceCaps(screen, BITSPIXEL);
    *rampReadable = GetDeviceGammaRamp(screen, &scratch) == TRUE;
    ReleaseDC(NULL, screen);
}

int ReadProfilePath() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kProfileKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return 1;
    // The value may lack its terminator or be of the wrong type: only bytes the
    // registry filled are used, and the text always ends inside the buffer.
    DWORD type = 0;
    DWORD size = LOADER_PATH_SIZE;
    const LONG status = RegQueryValueExA(key, "pathname", NULL, &type,
                                         reinterpret_cast<BYTE*>(LoaderProfilePath), &size);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) size = 0;
    LoaderProfilePath[size < LOADER_PATH_SIZE ? size : LOADER_PATH_SIZE - 1] = 0;
    RegCloseKey(key);
    return 0;
}

int FileExists(const char* path) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return 0;
    CloseHandle(file);
    return 1;
}

void ShowStartupError(const char* text) {
    MessageBoxA(NULL, text, "Error", MB_OK);
}
