// Read-only access to a whole file, for the loader's profile reader. A seam:
// Windows implements it with CreateFileA, GetFileSize, ReadFile and
// CloseHandle, the host with POSIX files.
#pragma once

#include <cstdint>

typedef intptr_t InputFile;

// 0 and the open file in *file, or 1 when the file cannot be opened.
int OpenInputFile(const char* path, InputFile* file);
// 0 and the size in *size, or 1 when it cannot be had or exceeds 32 bits.
int InputFileSize(InputFile file, uint32_t* size);
// Reads up to count bytes from the start; 0 and the number read in *read,
// or 1 on a read error. A count of 0 reads nothing.
int ReadInputBytes(InputFile file, void* bytes, uint32_t count, uint32_t* read);
void CloseInputFile(InputFile file);
