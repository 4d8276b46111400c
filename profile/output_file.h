// Files the wizard writes (the profile and its log) and the local clock that
// dates them. A seam: the Windows build implements it with the system's file
// and time calls, the host build with POSIX files and the C library's clock.
#pragma once

#include <cstdint>

// An open output file: the system's handle, or a POSIX descriptor on the host.
typedef intptr_t OutputFile;

// Creates the file at path, or truncates an existing one, with normal
// attributes. 0 and the handle in *file, or 1 when it cannot be created.
int CreateOutputFile(const char* path, OutputFile* file);
// Writes *count bytes. A count of 0 writes nothing and succeeds. On failure
// returns 1 and leaves *count alone; on success stores in *count the number
// of bytes the system reports written (which may be fewer) and returns 0.
int WriteOutputBytes(OutputFile file, int* count, const void* bytes);
// Closes the file; 0.
int CloseOutputFile(OutputFile file);

// Local date as year x 10000 + month x 100 + day (20240307 for 7 March 2024).
int LocalDateStamp();
// Local time of day as hour x 10000 + minute x 100 + second.
int LocalTimeStamp();
