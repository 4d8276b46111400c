// The settings key in the real registry of the current user. Reads give the
// value's bytes and size as the registry gives them, whatever the type; the
// loader decides what it accepts.
#include "wizard/settings_store.h"

#include <windows.h>

#include "text/text_utils.h"

static const char settingsKeyPath[] = "Software\\Orvane\\Prismoth - Monitor\\State";
static char settingsKeyClass[] = "state";
static HKEY settingsKey = 0;

int OpenSettingsKey() {
    LONG status =
        RegOpenKeyExA(HKEY_CURRENT_USER, settingsKeyPath, 0, KEY_ALL_ACCESS, &settingsKey);
    return status == ERROR_SUCCESS ? 0 : 1;
}

int CreateSettingsKey() {
    DWORD disposition = 0;
    LONG status =
        RegCreateKeyExA(HKEY_CURRENT_USER, settingsKeyPath, 0, settingsKeyClass,
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, 0, &settingsKey, &disposition);
    return status == ERROR_SUCCESS ? 0 : 1;
}

int ReadSettingsValue(const char* name, char* buffer, int capacity, int* size) {
    DWORD bytes = static_cast<DWORD>(capacity);
    LONG status =
        RegQueryValueExA(settingsKey, name, 0, 0, reinterpret_cast<BYTE*>(buffer), &bytes);
    if (status != ERROR_SUCCESS || bytes > static_cast<DWORD>(capacity)) return 1;
    *size = static_cast<int>(bytes);
    return 0;
}

void WriteSettingsValue(const char* name, const char* text) {
    RegSetValueExA(settingsKey, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                   static_cast<DWORD>(TextLength(text) + 1));
}

void CloseSettingsKey() {
    RegCloseKey(settingsKey);
    settingsKey = 0;
}
