// Registry commands under HKEY_CURRENT_USER: prepare the values a program
// reads at start and check the ones it wrote. Texts are REG_SZ, numbers
// REG_DWORD; reg-expect compares a number by its decimal text.
#include "tests/driver/driver_commands_win32.h"
#include "tests/driver/driver_win32.h"
#include "text/text_format.h"
#include "text/text_utils.h"

namespace {

// The value's data as text: a text value as it is, a number in decimal.
int ReadValueText(const char* key, const char* name, char* text, int capacity) {
    HKEY opened;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return 1;
    DWORD type = 0, size = static_cast<DWORD>(capacity - 1);
    BYTE data[DRIVER_MESSAGE_CAPACITY];
    if (size > sizeof data) size = sizeof data;
    const LONG status = RegQueryValueExA(opened, name, 0, &type, data, &size);
    RegCloseKey(opened);
    if (status != ERROR_SUCCESS) return 1;
    if (type == REG_DWORD && size == 4) {
        FormatText(text, capacity, "%d", *reinterpret_cast<int*>(data));
        return 0;
    }
    MoveBytes(data, text, static_cast<int>(size));
    text[size] = 0;
    return 0;
}

} // namespace

int RegistrySet(const ScriptLine* line) {
    const char* key = Arg(line, 1);
    const char* name = Arg(line, 2);
    const char* type = Arg(line, 3);
    const char* data = Arg(line, 4);
    HKEY opened;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, 0, 0, KEY_WRITE, 0, &opened, 0) != ERROR_SUCCESS)
        return Fail("cannot create the key %s", key);
    LONG status;
    if (!lstrcmpA(type, "dword")) {
        const DWORD number = static_cast<DWORD>(ArgInt(line, 4, 0));
        status =
            RegSetValueExA(opened, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4);
    } else {
        status = RegSetValueExA(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                                static_cast<DWORD>(lstrlenA(data) + 1));
    }
    RegCloseKey(opened);
    return status == ERROR_SUCCESS ? 0 : Fail("cannot set %s in %s", name, key);
}

int RegistryDelete(const ScriptLine* line) {
    const char* key = Arg(line, 1);
    if (line->count < 3) {
        RegDeleteTreeA(HKEY_CURRENT_USER, key);
        RegDeleteKeyA(HKEY_CURRENT_USER, key);
        return 0;
    }
    HKEY opened;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_WRITE, &opened) != ERROR_SUCCESS) return 0;
    RegDeleteValueA(opened, Arg(line, 2));
    RegCloseKey(opened);
    return 0;
}

// Waits for the value, as a program may write it a moment after what the
// scenario saw last.
int RegistryExpect(const ScriptLine* line) {
    const int kPollMs = 20;
    char text[DRIVER_MESSAGE_CAPACITY];
    const char* key = Arg(line, 1);
    const char* name = Arg(line, 2);
    const char* expected = Arg(line, 3);
    const DWORD start = Now();
    for (;;) {
        const int missing = ReadValueText(key, name, text, sizeof text);
        if (!missing && lstrcmpA(text, expected) == 0) return 0;
        if (static_cast<int>(Now() - start) >= Driver.timeoutMs)
            return missing ? Fail("no value %s", name)
                           : Fail("%s is \"%s\", expected \"%s\"", name, text, expected);
        Sleep(kPollMs);
    }
}

int RegistryExpectMissing(const ScriptLine* line) {
    const char* key = Arg(line, 1);
    HKEY opened;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return 0;
    const int hasValue =
        line->count >= 3 && RegQueryValueExA(opened, Arg(line, 2), 0, 0, 0, 0) == ERROR_SUCCESS;
    RegCloseKey(opened);
    if (line->count < 3) return Fail("the key %s exists", key);
    return hasValue ? Fail("the value %s exists", line->words[2]) : 0;
}
