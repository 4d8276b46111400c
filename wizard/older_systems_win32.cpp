// Calls that the thread library of the 32-bit runtime imports from kernel32
// but that Windows 98 or Windows 2000 lack; the loader would refuse to start
// the programs there for one missing name. Each import is answered here
// instead: the system's own function when it has one (looked up once by
// name), else a fallback that suits a program with one thread, which these
// programs are. Linked as an object into the 32-bit programs and DLL so that
// these definitions come before the import library's.
#include <windows.h>

namespace {

void* KernelFunction(const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), name));
}

typedef ULONGLONG(WINAPI* TickCount64Call)();
typedef PVOID(WINAPI* AddHandlerCall)(ULONG, PVECTORED_EXCEPTION_HANDLER);
typedef ULONG(WINAPI* RemoveHandlerCall)(PVOID);
typedef BOOL(WINAPI* TryEnterCall)(LPCRITICAL_SECTION);
typedef BOOL(WINAPI* HandleInformationCall)(HANDLE, LPDWORD);
typedef BOOL(WINAPI* GetAffinityCall)(HANDLE, PDWORD_PTR, PDWORD_PTR);
typedef BOOL(WINAPI* SetAffinityCall)(HANDLE, DWORD_PTR);

// Resolves name on first use; 0 when the system has no such function.
template <typename Call> Call SystemFunction(const char* name, Call* cache, int* looked) {
    if (!*looked) {
        *cache = reinterpret_cast<Call>(KernelFunction(name));
        *looked = 1;
    }
    return *cache;
}

#define SYSTEM_FUNCTION(Type, name)                                                                \
    static Type cached;                                                                            \
    static int looked;                                                                             \
    const Type system = SystemFunction<Type>(name, &cached, &looked)

// Before Vista: the 32-bit count, which wraps after 49 days.
ULONGLONG WINAPI TickCount64() {
    SYSTEM_FUNCTION(TickCount64Call, "GetTickCount64");
    return system ? system() : GetTickCount();
}

// Before XP: no vectored handlers; the thread library then names no threads.
PVOID WINAPI AddHandler(ULONG first, PVECTORED_EXCEPTION_HANDLER handler) {
    SYSTEM_FUNCTION(AddHandlerCall, "AddVectoredExceptionHandler");
    return system ? system(first, handler) : 0;
}

ULONG WINAPI RemoveHandler(PVOID handler) {
    SYSTEM_FUNCTION(RemoveHandlerCall, "RemoveVectoredExceptionHandler");
    return system ? system(handler) : 0;
}

// Windows 98: with one thread no other holds the section, so entering it is
// what trying would do.
BOOL WINAPI TryEnter(LPCRITICAL_SECTION section) {
    SYSTEM_FUNCTION(TryEnterCall, "TryEnterCriticalSection");
    if (system) return system(section);
    EnterCriticalSection(section);
    return TRUE;
}

// Windows 98: a handle the thread library holds is taken as valid, no flags.
BOOL WINAPI HandleInformation(HANDLE handle, LPDWORD flags) {
    SYSTEM_FUNCTION(HandleInformationCall, "GetHandleInformation");
    if (system) return system(handle, flags);
    *flags = 0;
    return TRUE;
}

// Windows 98: one processor, whose affinity cannot be changed.
BOOL WINAPI GetAffinity(HANDLE process, PDWORD_PTR processMask, PDWORD_PTR systemMask) {
    SYSTEM_FUNCTION(GetAffinityCall, "GetProcessAffinityMask");
    if (system) return system(process, processMask, systemMask);
    *processMask = *systemMask = 1;
    return TRUE;
}

BOOL WINAPI SetAffinity(HANDLE process, DWORD_PTR mask) {
    SYSTEM_FUNCTION(SetAffinityCall, "SetProcessAffinityMask");
    if (system) return system(process, mask);
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return FALSE;
}

} // namespace

// The import pointers the thread library calls through, under the names that
// the import library would otherwise supply.
extern "C" {
TickCount64Call importTickCount64 __asm__("__imp__GetTickCount64@0") = TickCount64;
AddHandlerCall importAddHandler __asm__("__imp__AddVectoredExceptionHandler@8") = AddHandler;
RemoveHandlerCall importRemoveHandler __asm__("__imp__RemoveVectoredExceptionHandler@4") =
    RemoveHandler;
TryEnterCall importTryEnter __asm__("__imp__TryEnterCriticalSection@4") = TryEnter;
HandleInformationCall importHandleInformation __asm__("__imp__GetHandleInformation@8") =
    HandleInformation;
GetAffinityCall importGetAffinity __asm__("__imp__GetProcessAffinityMask@12") = GetAffinity;
SetAffinityCall importSetAffinity __asm__("__imp__SetProcessAffinityMask@8") = SetAffinity;
}
