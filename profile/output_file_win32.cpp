// Output files and the local clock on Windows: CreateFileA, WriteFile,
// CloseHandle and GetLocalTime.
#include "profile/output_file.h"

#include <windows.h>

int CreateOutputFile(const char* path, OutputFile* file) {
    HANDLE handle = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, NULL, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, NULL);
    if (handle == INVALID_HANDLE_VALUE) return 1;
    *file = reinterpret_cast<OutputFile>(handle);
    return 0;
}

int WriteOutputBytes(OutputFile file, int* count, const void* bytes) {
    if (*count <= 0) return 0;
    DWORD written = 0;
    if (!WriteFile(reinterpret_cast<HANDLE>(file), bytes, static_cast<DWORD>(*count), &written,
                   NULL))
        return 1;
    *count = static_cast<int>(written);
    return 0;
}

int CloseOutputFile(OutputFile file) {
    CloseHandle(reinterpret_cast<HANDLE>(file));
    return 0;
}

int LocalDateStamp() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wYear * 10000 + now.wMonth * 100 + now.wDay;
}

int LocalTimeStamp() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wHour * 10000 + now.wMinute * 100 + now.wSecond;
}
