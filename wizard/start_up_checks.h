// Start-up decisions that need no window: which Windows versions the wizard
// accepts and where its help file lies.
#pragma once

// The two families the system reports (the platform id of its version query).
enum { PLATFORM_WINDOWS_9X = 1, PLATFORM_WINDOWS_NT = 2 };
enum { PROGRAM_PATH_SIZE = 260 };

// 1 for Windows 98 or later in the 95 family (4.10, 4.90, ...) and Windows
// 2000 or later in the NT family, else 0.
int IsSupportedWindowsVersion(int platform, int major, int minor);
// The help file beside the program: programPath's folder joined with
// "Prismoth - Monitor.chm", cut to capacity; empty for an empty programPath.
void HelpPathForProgram(const char* programPath, char* helpPath, int capacity);
