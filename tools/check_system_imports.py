#!/usr/bin/env python3
"""Checks that the 32-bit programs and DLL import only what Windows 98 SE and
Windows 2000, the oldest systems they support, both export.

    check_system_imports.py OBJDUMP FILE...

Windows' loader refuses to start a program that imports one name its system
lacks ("The procedure entry point ... could not be located"), before any of
the program's own checks can speak. Every imported function is looked up in
the table below, which lists what both systems export, with the reason for
each entry; an import missing from it fails the check. Names are added here
only with a reason that holds for both systems.
"""
import re
import subprocess
import sys

BASE = "Win32 since Windows 95 and Windows NT 3.1"
NT4_98 = "since Windows 98 and Windows NT 4.0"
CRT = "msvcrt.dll of Windows 98 SE (6.0) and of Windows 2000 (7.0); in the CRT since Visual C++ 4.2"
STARTUP = "CRT start-up entry exported by msvcrt.dll since 4.2, on both systems"
ICM = "Image Color Management 2.0 (mscms.dll), introduced with Windows 98 and Windows 2000"

SYSTEM_EXPORTS = {
    "KERNEL32.DLL": {
        **{name: BASE for name in (
            "CloseHandle CreateEventA CreateFileA CreateSemaphoreA DeleteCriticalSection "
            "DuplicateHandle EnterCriticalSection FreeLibrary GetCurrentProcess "
            "GetCurrentProcessId GetCurrentThread GetCurrentThreadId GetEnvironmentVariableA "
            "GetFileAttributesA GetFileSize GetLastError GetLocalTime GetModuleFileNameA "
            "GetModuleHandleA GetProcAddress GetStartupInfoA GetThreadContext GetThreadPriority "
            "GetTickCount GetVersionExA InitializeCriticalSection LeaveCriticalSection "
            "LoadLibraryA OpenProcess OutputDebugStringA RaiseException ReadFile "
            "ReleaseSemaphore ResetEvent ResumeThread SetEvent SetLastError SetThreadContext "
            "SetThreadPriority SetUnhandledExceptionFilter Sleep SuspendThread TlsAlloc "
            "TlsGetValue TlsSetValue VirtualProtect VirtualQuery WaitForMultipleObjects "
            "WaitForSingleObject WriteFile lstrcmpiA").split()},
        "GetSystemTimeAsFileTime": "Win32 since Windows 95 and Windows NT 3.5",
        "IsDebuggerPresent": NT4_98,
    },
    "USER32.DLL": {
        **{name: BASE for name in (
            "BeginPaint ClientToScreen CreateWindowExA DefWindowProcA DestroyIcon DestroyWindow "
            "DispatchMessageA DrawTextA EnableWindow EndPaint EnumChildWindows EnumThreadWindows "
            "FillRect GetActiveWindow GetClassNameA GetClientRect GetDC GetDlgCtrlID GetFocus "
            "GetKeyState GetMessageA GetParent GetSystemMetrics GetWindowTextA InvalidateRect "
            "IsWindowVisible KillTimer LoadBitmapA LoadCursorA LoadIconA MessageBeep MessageBoxA "
            "PostMessageA PostQuitMessage RegisterClassA ReleaseDC SendMessageA SetFocus "
            "SetTimer SetWindowPos SetWindowTextA ShowCursor ShowWindow TranslateMessage "
            "UpdateWindow").split()},
        "EnumDisplayDevicesA": "introduced with Windows 98 and Windows 2000 (multiple monitors)",
    },
    "GDI32.DLL": {
        **{name: BASE for name in (
            "BitBlt CreateCompatibleDC CreateFontIndirectA CreatePen CreateRectRgn "
            "CreateRectRgnIndirect CreateSolidBrush DPtoLP DeleteDC DeleteObject Ellipse "
            "GetDeviceCaps GetMapMode GetObjectA GetPixel GetStockObject GetTextExtentPoint32A "
            "GetTextMetricsA LineTo MoveToEx Polyline SelectClipRgn SelectObject SetBkColor "
            "SetBkMode SetMapMode SetTextColor").split()},
        "GetDeviceGammaRamp": "introduced with Windows 98 and Windows 2000 (the gamma ramp)",
        "SetDeviceGammaRamp": "introduced with Windows 98 and Windows 2000 (the gamma ramp)",
    },
    "ADVAPI32.DLL": {name: BASE for name in
                     "RegCloseKey RegCreateKeyExA RegOpenKeyExA RegQueryValueExA RegSetValueExA".split()},
    "COMDLG32.DLL": {"GetSaveFileNameA": "Win32 since Windows 95 and Windows NT 3.51"},
    "MSCMS.DLL": {name: ICM for name in
                  "AssociateColorProfileWithDeviceA GetColorDirectoryA InstallColorProfileA".split()},
    "HHCTRL.OCX": {"HtmlHelpA": "HTML Help 1.x, shipped with Windows 98 and Windows 2000"},
    "MSVCRT.DLL": {
        **{name: STARTUP for name in (
            "__getmainargs __initenv __p__acmdln __p__commode __p__fmode __set_app_type "
            "__setusermatherr _amsg_exit _cexit _initterm _lock _onexit _unlock").split()},
        **{name: CRT for name in (
            "_beginthreadex _endthreadex _errno _iob _setjmp3 _strdup _ultoa abort atoi calloc "
            "exit fclose fopen fprintf fread free fwrite localeconv longjmp malloc memcpy "
            "memmove memset printf realloc signal strlen strncmp vfprintf").split()},
    },
    # The colorimeter toolkit ships with the instrument, not with Windows.
    "SIPCAL.DLL": None,
}


def imports(objdump, path):
    """(DLL in capitals, function) pairs of the file's import table."""
    dump = subprocess.run([objdump, "-p", path], check=True, capture_output=True,
                          text=True).stdout
    pairs, dll = [], None
    for line in dump.splitlines():
        match = re.match(r"\s*DLL Name: (\S+)", line)
        if match:
            dll = match.group(1).upper()
            continue
        match = re.match(r"\s+[0-9a-f]+\s+\d+\s+(\S+)$", line)
        if dll and match:
            pairs.append((dll, match.group(1)))
    return pairs


def missing(pairs):
    for dll, name in pairs:
        exports = SYSTEM_EXPORTS.get(dll, {})
        if exports is not None and name not in exports:
            yield dll, name


def main():
    objdump, files = sys.argv[1], sys.argv[2:]
    failures = 0
    for path in files:
        pairs = imports(objdump, path)
        if not pairs:
            print(f"{path}: no imports read")
            failures += 1
        for dll, name in missing(pairs):
            print(f"{path}: imports {dll} {name}, which Windows 98 SE or Windows 2000 lacks")
            failures += 1
        print(f"{path}: {len(pairs)} imports checked")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
