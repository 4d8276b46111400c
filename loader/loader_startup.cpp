// The loader's start-up checks, kept free of the system so that their order
// and messages are tested on every build. Each check that fails stops the
// start with its own message; none of them touches the adapter.
#include "loader/loader_startup.h"

#include "loader/loader_platform.h"
#include "loader/loader_state.h"
#include "loader/profile_reader.h"
#include "text/text_format.h"
#include "text/text_utils.h"

GammaRamp CalibratedRamp;
GammaRamp FlatRamp;
int ManualMode;

namespace {

const int kMinimumBitsPerPixel = 24;
// "Velloran Cannot find the monitor profile: " and a path of 259 characters.
const int kMessageSize = 320;

int RefuseStart(const char* message) {
    ShowStartupError(message);
    return 1;
}

int RefuseMissingFile() {
    char message[kMessageSize];
    FormatText(message, kMessageSize, "Velloran Cannot find the monitor profile: %s",
               LoaderProfilePath);
    return RefuseStart(message);
}

} // namespace

int RunLoaderChecks() {
    if (!IsSystemVersionAccepted())
        return RefuseStart("Velloran requires Windows 98/Windows 2000 or later.");
    int rampReadable = 0;
    int bitsPerPixel = 0;
    ProbeDisplay(&rampReadable, &bitsPerPixel);
    if (!rampReadable)
        return RefuseStart(
            "Velloran: Your display adapter does not support hardware color lookup tables.");
    if (bitsPerPixel < kMinimumBitsPerPixel)
        return RefuseStart("Velloran requires your display to be set to at least 24-bit color.");
    if (ReadProfilePath() != 0)
        return RefuseStart("Velloran: Calibrated monitor profile not available");
    if (!FileExists(LoaderProfilePath)) return RefuseMissingFile();
    if (ReadProfileLookupTables(&CalibratedRamp) != 0)
        return RefuseStart("Velloran cannot locate color lookup tables in monitor profile.");
    return 0;
}

int IsManualCommandLine(const char* commandLine) {
    return EqualIgnoringCase(commandLine, "manual");
}

const char* FileNameOfPath(const char* path) {
    const char* name = path;
    for (const char* p = path; *p; ++p)
        if (*p == '\\' || *p == ':') name = p + 1;
    return name;
}
