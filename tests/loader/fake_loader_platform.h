// Scripted answers for the loader's start-up seam, and the message it showed.
#pragma once

#include <string>

struct FakeLoaderSystem {
    int versionAccepted = 1;
    int rampReadable = 1;
    int bitsPerPixel = 24;
    int keyExists = 1;
    std::string storedPath; // what "pathname" holds
    int fileExists = 1;
    std::string shownMessage;
    int messagesShown = 0;
};

extern FakeLoaderSystem fakeLoaderSystem;
