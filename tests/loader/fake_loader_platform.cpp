// The loader's start-up seam answered from FakeLoaderSystem.
#include "tests/loader/fake_loader_platform.h"

#include "loader/loader_platform.h"
#include "loader/loader_startup.h"
#include "loader/loader_state.h"
#include "text/text_utils.h"

FakeLoaderSystem fakeLoaderSystem;

int IsSystemVersionAccepted() {
    return fakeLoaderSystem.versionAccepted;
}

void ProbeDisplay(int* rampReadable, int* bitsPerPixel) {
    *rampReadable = fakeLoaderSystem.rampReadable;
    *bitsPerPixel = fakeLoaderSystem.bitsPerPixel;
}

int ReadProfilePath() {
    if (!fakeLoaderSystem.keyExists) return 1;
    CopyTextLimited(fakeLoaderSystem.storedPath.c_str(), LoaderProfilePath, LOADER_PATH_SIZE - 1);
    return 0;
}

int FileExists(const char*) {
    return fakeLoaderSystem.fileExists;
}

void ShowStartupError(const char* text) {
    fakeLoaderSystem.shownMessage = text;
    ++fakeLoaderSystem.messagesShown;
}
