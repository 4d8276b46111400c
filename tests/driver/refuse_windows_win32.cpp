// refuse_windows.dll: the driver's computer-based-training hook, which the
// system calls in every process of the desktop before it creates a window.
// It refuses the windows of the class named by REFUSE_WINDOW_CLASS in the
// creating process's environment (the driver sets it for the programs it
// starts), so that a scenario sees how a program copes when the system will
// not make its window.
#include <windows.h>

enum { CLASS_NAME_CAPACITY = 256 };

static int IsRefusedClass(HWND window) {
    char refused[CLASS_NAME_CAPACITY];
    const DWORD length = GetEnvironmentVariableA("REFUSE_WINDOW_CLASS", refused, sizeof refused);
    if (length == 0 || length >= sizeof refused) return 0;
    char name[CLASS_NAME_CAPACITY];
    if (!GetClassNameA(window, name, sizeof name)) return 0;
    return lstrcmpiA(name, refused) == 0;
}

extern "C" __declspec(dllexport) LRESULT CALLBACK
    RefuseWindowHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && IsRefusedClass(reinterpret_cast<HWND>(wParam))) return 1;
    return CallNextHookEx(0, code, wParam, lParam);
}
