// sipcal.dll: the simulated colorimeter toolkit as the Windows library the
// wizard imports, for work and tests without the instrument. When a program
// loads it, it chooses the virtual monitor it measures: the file named by
// the environment variable SIPCAL_MONITOR, else "sipcal-monitor.txt" beside
// the DLL, else the built-in monitor. SIPCAL_FAILURES scripts the failures a
// real instrument can show, as "name=count" pairs separated by commas:
//   opens, selections, dark_currents    calls of that kind that fail first
//   reading_from, reading_count         readings (numbered from 1) that fail
//   bad_from, bad_count, bad_kind       readings reported taken but unusable
//   close                               1: closing reports a failure
//   colourless_black                    1: black reads x = y = z = 0
// SIPCAL_TALLY names a file that receives, when the program ends, how many
// calls of each kind the toolkit took, one "name count" a line, so that a
// run can report how many readings a calibration needed.
// The toolkit lies outside the programs, so its own settings may come from
// the environment; the programs themselves read none.
#include <windows.h>

#include <cstdlib>

#include "sim/sim_toolkit.h"
#include "text/path_utils.h"
#include "text/text_format.h"
#include "text/text_utils.h"

namespace {

struct FailureSetting {
    const char* name;
    int* count;
};

const FailureSetting kFailureSettings[] = {
    {"opens", &SimFailures.failingOpens},
    {"selections", &SimFailures.failingSelections},
    {"dark_currents", &SimFailures.failingDarkCurrents},
    {"reading_from", &SimFailures.failingReadingFrom},
    {"reading_count", &SimFailures.failingReadingCount},
    {"bad_from", &SimFailures.badReadingFrom},
    {"bad_count", &SimFailures.badReadingCount},
    {"bad_kind", &SimFailures.badReadingKind},
    {"close", &SimFailures.failingClose},
    {"colourless_black", &SimFailures.colourlessBlack},
};

void ChooseMonitor(HMODULE dll) {
    char path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("SIPCAL_MONITOR", path, sizeof path);
    if (length == 0 || length >= sizeof path) {
        char dllPath[MAX_PATH];
        const DWORD dllLength = GetModuleFileNameA(dll, dllPath, sizeof dllPath);
        if (dllLength == 0 || dllLength >= sizeof dllPath) return;
        FolderOfPath(dllPath);
        JoinPath(path, sizeof path, dllPath, "sipcal-monitor.txt");
        if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) return;
    }
    // A file with problems still gives the built-in values where it failed.
    LoadVirtualMonitorFile(path);
}

void SetFailure(const char* name, int count) {
    for (const FailureSetting& setting : kFailureSettings)
        if (EqualIgnoringCase(setting.name, name)) *setting.count = count;
}

void ScriptFailures() {
    char text[512], name[32];
    const DWORD length = GetEnvironmentVariableA("SIPCAL_FAILURES", text, sizeof text);
    if (length == 0 || length >= sizeof text) return;
    for (const char* p = text; *p;) {
        int nameLength = 0;
        while (p[nameLength] && p[nameLength] != '=' && p[nameLength] != ',')
            ++nameLength;
        CopyTextLimited(p, name, nameLength < 31 ? nameLength : 31);
        p += nameLength;
        int count = 0;
        if (*p == '=') count = atoi(++p);
        while (*p && *p != ',')
            ++p;
        if (*p == ',') ++p;
        SetFailure(name, count);
    }
}

// Plain Win32 file calls: the C runtime may be gone while the program ends.
void WriteTally() {
    char path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("SIPCAL_TALLY", path, sizeof path);
    if (length == 0 || length >= sizeof path) return;
    const struct SimToolkitState& s = SimToolkitState;
    char text[256];
    const int size =
        FormatText(text, sizeof text,
                   "opens %d\r\nselections %d\r\ndark_currents %d\r\n"
                   "readings %d\r\ncloses %d\r\n",
                   s.openCalls, s.selectionCalls, s.darkCurrentCalls, s.readingCalls, s.closeCalls);
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, 0, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, 0);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written;
    WriteFile(file, text, static_cast<DWORD>(size), &written, 0);
    CloseHandle(file);
}

} // namespace

BOOL WINAPI DllMain(HINSTANCE dll, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        ChooseMonitor(dll);
        ResetSimToolkit();
        ScriptFailures();
    }
    if (reason == DLL_PROCESS_DETACH) WriteTally();
    return TRUE;
}
