// Output files and the local clock on the host: POSIX files and localtime_r,
// with the simulated faults and clock of OutputSimulation for tests.
#include "profile/output_file.h"
#include "profile/output_file_host.h"

#include <ctime>
#include <fcntl.h>
#include <unistd.h>

struct OutputSimulation OutputSimulation = {0, -1, 0, 0};

int CreateOutputFile(const char* path, OutputFile* file) {
    const int descriptor = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (descriptor < 0) return 1;
    *file = descriptor;
    return 0;
}

int WriteOutputBytes(OutputFile file, int* count, const void* bytes) {
    if (*count <= 0) return 0;
    if (OutputSimulation.failWrites) return 1;
    int wanted = *count;
    if (OutputSimulation.writeLimit >= 0 && wanted > OutputSimulation.writeLimit)
        wanted = OutputSimulation.writeLimit;
    const ssize_t written = write(static_cast<int>(file), bytes, static_cast<size_t>(wanted));
    if (written < 0) return 1;
    *count = static_cast<int>(written);
    return 0;
}

int CloseOutputFile(OutputFile file) {
    close(static_cast<int>(file));
    return 0;
}

static struct tm LocalNow() {
    const time_t now = time(nullptr);
    struct tm local = {};
    localtime_r(&now, &local);
    return local;
}

int LocalDateStamp() {
    if (OutputSimulation.dateStamp != 0) return OutputSimulation.dateStamp;
    const struct tm local = LocalNow();
    return (local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday;
}

int LocalTimeStamp() {
    if (OutputSimulation.dateStamp != 0) return OutputSimulation.timeStamp;
    const struct tm local = LocalNow();
    return local.tm_hour * 10000 + local.tm_min * 100 + local.tm_sec;
}
