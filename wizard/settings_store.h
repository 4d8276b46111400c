// The seam to the registry key that holds the user's setup choices,
// HKEY_CURRENT_USER "Software\Orvane\Prismoth - Monitor\State". The Windows
// build uses the real registry; the tests use an in-memory key that can hold
// values of any type and size. One key is open at a time.
#pragma once

// Opens the existing key. 0 when open, 1 when it is missing or refused.
int OpenSettingsKey();
// Opens the key, creating it (class "state", non-volatile) when missing.
// 0 when open, 1 when it cannot be created.
int CreateSettingsKey();
// Reads the raw bytes of a value of the open key, whatever its type. 0 when
// the value exists and fits: its *size bytes (at most capacity) are in buffer,
// not necessarily zero-terminated. 1 when the value is missing or larger than
// capacity; buffer may then hold anything.
int ReadSettingsValue(const char* name, char* buffer, int capacity, int* size);
// Writes text as a string value, its terminating zero included. Failures are
// not reported: settings that cannot be stored are lost silently.
void WriteSettingsValue(const char* name, const char* text);
void CloseSettingsKey();
