// Version acceptance and the help file's path, kept portable so the rules can
// be tested without Windows.
#include "wizard/start_up_checks.h"

#include "text/path_utils.h"
#include "text/text_utils.h"

int IsSupportedWindowsVersion(int platform, int major, int minor) {
    if (platform == PLATFORM_WINDOWS_9X) return major > 4 || (major == 4 && minor > 0) ? 1 : 0;
    if (platform == PLATFORM_WINDOWS_NT) return major >= 5 ? 1 : 0;
    return 0;
}

// No program path (the system had to cut it) gives no help path: an empty
// folder joined with the name would point at the drive's root.
void HelpPathForProgram(const char* programPath, char* helpPath, int capacity) {
    if (programPath[0] == 0) {
        helpPath[0] = 0;
        return;
    }
    char folder[PROGRAM_PATH_SIZE + 1];
    CopyTextLimited(programPath, folder, PROGRAM_PATH_SIZE);
    FolderOfPath(folder);
    JoinPath(helpPath, capacity, folder, "Prismoth - Monitor.chm");
}
