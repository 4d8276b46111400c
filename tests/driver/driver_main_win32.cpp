// The test driver: acts as a user on a Windows program under test, following
// a scenario script of one command a line (see driver_commands_win32.cpp).
//   prismoth_driver SCRIPT OUTFOLDER
// Ends with exit code 0 when every command passed. At the first failure it
// reports the line, saves a screenshot "failure", ends the program under test
// and exits with 1.
#include <cstdarg>
#include <cstdio>

#include "tests/driver/driver_commands_win32.h"
#include "tests/driver/driver_win32.h"
#include "text/text_format.h"
#include "text/text_utils.h"

struct DriverState Driver;

namespace {

const int kDefaultTimeoutMs = 10000;
const int kLineCapacity = 8192;

// The program must be gone when the scenario ends: a program left running
// would stand in the way of the next scenario.
int EndProgramAtFinish() {
    if (!Driver.process || WaitForSingleObject(Driver.process, 0) == WAIT_OBJECT_0) return 0;
    TerminateProcess(Driver.process, 1);
    return Fail("the program was still running at the end of the scenario");
}

void ReportFailure(const char* script, int lineNumber, const char* line) {
    printf("%s:%d: FAILED: %s\n    %s\n", script, lineNumber, line, Driver.failure);
    SaveScreenshot("failure");
    if (Driver.process) TerminateProcess(Driver.process, 1);
}

int RunScript(const char* script, FILE* in) {
    static char line[kLineCapacity];
    static ScriptLine words;
    const DWORD start = Now();
    for (int lineNumber = 1; fgets(line, sizeof line, in); ++lineNumber) {
        Driver.failure[0] = 0;
        int failed = SplitScriptLine(line, &words) ? Fail("cannot split the line") : 0;
        if (!failed && words.count == 0) continue;
        if (!failed) {
            printf("%6.2f> %s", (Now() - start) / 1000.0, line);
            fflush(stdout);
            failed = RunCommand(&words);
        }
        if (failed) {
            ReportFailure(script, lineNumber, line);
            return 1;
        }
    }
    return 0;
}

} // namespace

int Fail(const char* format, ...) {
    va_list values;
    va_start(values, format);
    FormatTextList(Driver.failure, sizeof Driver.failure, format, values);
    va_end(values);
    return 1;
}

DWORD Now() {
    return GetTickCount();
}

void ToWindowsPath(const char* path, char* destination, int capacity) {
    FormatText(destination, capacity, "%s%s", path[0] == '/' ? "Z:" : "", path);
    for (char* p = destination; *p; ++p)
        if (*p == '/') *p = '\\';
}

int main(int argc, char** argv) {
    if (argc != 3) {
        printf("usage: prismoth_driver SCRIPT OUTFOLDER\n");
        return 2;
    }
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("cannot open %s\n", argv[1]);
        return 2;
    }
    Driver.timeoutMs = kDefaultTimeoutMs;
    ToWindowsPath(argv[2], Driver.outFolder, sizeof Driver.outFolder);
    CreateDirectoryA(Driver.outFolder, 0);
    int failed = RunScript(argv[1], in);
    fclose(in);
    if (!failed && EndProgramAtFinish()) {
        printf("%s: FAILED at the end: %s\n", argv[1], Driver.failure);
        failed = 1;
    }
    printf(failed ? "scenario failed\n" : "scenario passed\n");
    return failed;
}
