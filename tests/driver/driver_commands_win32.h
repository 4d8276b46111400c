// The scenario commands of the test driver, and the argument helpers that the
// command files share.
#pragma once

#include <windows.h>

#include "tests/driver/driver_script.h"

// Runs one script line's command. 0 when it passed, 1 when it failed (the
// reason is in Driver.failure).
int RunCommand(const struct ScriptLine* line);

// Word i's value (quotes, escapes and variables resolved), empty when absent.
// The text stays valid while a few more words are read.
const char* Arg(const struct ScriptLine* line, int i);
// Word i as an integer, or fallback when absent or not a whole integer.
int ArgInt(const struct ScriptLine* line, int i, int fallback);
// Waits for the window that word i selects; fails naming the selector.
int Target(const struct ScriptLine* line, int i, HWND* window);

// The adapter's ramp (driver_ramp_win32.cpp).
int RampSet(const struct ScriptLine* line);
int RampExpect(const struct ScriptLine* line);
int RampDiffers(const struct ScriptLine* line);
int RampSave(const struct ScriptLine* line);

// The registry under HKEY_CURRENT_USER (driver_registry_win32.cpp).
int RegistrySet(const struct ScriptLine* line);
int RegistryDelete(const struct ScriptLine* line);
int RegistryExpect(const struct ScriptLine* line);
int RegistryExpectMissing(const struct ScriptLine* line);

// The system refuses windows of a class (driver_refuse_win32.cpp).
int RefuseWindows(const struct ScriptLine* line);

// A line of a text file (driver_files_win32.cpp).
int ExpectLine(const struct ScriptLine* line);
int ExpectLineHas(const struct ScriptLine* line);
// Windows' rectangles (driver_geometry_win32.cpp).
int ExpectRect(const struct ScriptLine* line);
int PlaceWindow(const struct ScriptLine* line);
