// refuse-windows: the system refuses to create the windows of one class in
// the programs started from now on, through the hook of refuse_windows.dll
// beside the driver. An empty class lets every window be made again.
#include "tests/driver/driver_commands_win32.h"
#include "tests/driver/driver_win32.h"
#include "text/path_utils.h"
#include "text/text_format.h"

namespace {

HHOOK refuseHook;

int InstallRefuseHook() {
    char path[DRIVER_PATH_CAPACITY];
    const DWORD length = GetModuleFileNameA(0, path, sizeof path);
    if (length == 0 || length >= sizeof path) return Fail("cannot find the driver's folder");
    FolderOfPath(path);
    const int folderLength = lstrlenA(path);
    FormatText(path + folderLength, sizeof path - folderLength, "%s", "\\refuse_windows.dll");
    HMODULE library = LoadLibraryA(path);
    // Through void*, as a looked-up address is of no particular function type.
    void* hook = library ? reinterpret_cast<void*>(GetProcAddress(library, "RefuseWindowHook")) : 0;
    if (!hook) return Fail("cannot load the hook of %s", path);
    refuseHook = SetWindowsHookExA(WH_CBT, reinterpret_cast<HOOKPROC>(hook), library, 0);
    return refuseHook
               ? 0
               : Fail("the system refused the hook (error %d)", static_cast<int>(GetLastError()));
}

} // namespace

int RefuseWindows(const ScriptLine* line) {
    const char* windowClass = Arg(line, 1);
    SetEnvironmentVariableA("REFUSE_WINDOW_CLASS", windowClass[0] ? windowClass : 0);
    return refuseHook ? 0 : InstallRefuseHook();
}
