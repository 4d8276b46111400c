// Whole-file reading on the host, with POSIX files. A read is repeated until
// the count is reached or the file ends, as one Windows ReadFile would do.
#include "loader/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int OpenInputFile(const char* path, InputFile* file) {
    const int descriptor = open(path, O_RDONLY);
    if (descriptor < 0) return 1;
    *file = descriptor;
    return 0;
}

int InputFileSize(InputFile file, uint32_t* size) {
    struct stat status;
    if (fstat(static_cast<int>(file), &status) != 0) return 1;
    if (status.st_size < 0 || static_cast<unsigned long long>(status.st_size) > 0xFFFFFFFFull)
        return 1;
    *size = static_cast<uint32_t>(status.st_size);
    return 0;
}

int ReadInputBytes(InputFile file, void* bytes, uint32_t count, uint32_t* read) {
    unsigned char* at = static_cast<unsigned char*>(bytes);
    uint32_t done = 0;
    while (done < count) {
        const ssize_t got = ::read(static_cast<int>(file), at + done, count - done);
        if (got < 0) return 1;
        if (got == 0) break;
        done += static_cast<uint32_t>(got);
    }
    *read = done;
    return 0;
}

void CloseInputFile(InputFile file) {
    close(static_cast<int>(file));
}
