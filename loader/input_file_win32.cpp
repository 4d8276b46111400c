// Whole-file reading on Windows.
#include "loader/input_file.h"

#include <windows.h>

int OpenInputFile(const char* path, InputFile* file) {
    HANDLE handle = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, NULL);
    if (handle == INVALID_HANDLE_VALUE) return 1;
    *file = reinterpret_cast<InputFile>(handle);
    return 0;
}

int InputFileSize(InputFile file, uint32_t* size) {
    DWORD high = 0;
    const DWORD low = GetFileSize(reinterpret_cast<HANDLE>(file), &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return 1;
    if (high != 0) return 1;
    *size = low;
    return 0;
}

int ReadInputBytes(InputFile file, void* bytes, uint32_t count, uint32_t* read) {
    DWORD done = 0;
    if (count > 0 && !ReadFile(reinterpret_cast<HANDLE>(file), bytes, count, &done, NULL)) return 1;
    *read = done;
    return 0;
}

void CloseInputFile(InputFile file) {
    CloseHandle(reinterpret_cast<HANDLE>(file));
}
