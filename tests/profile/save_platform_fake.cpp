// Scripted dialog, colour management and registry for the save action tests.
#include "tests/profile/save_platform_fake.h"

#include "profile/save_platform.h"

#include <cstring>

const char* const CANCEL_DIALOG = "<cancel>";

struct FakeSaveSystem FakeSaveSystem;

void ResetFakeSaveSystem() {
    FakeSaveSystem = {};
    FakeSaveSystem.colorFolder = "C:\\windows\\system32\\spool\\drivers\\color";
    FakeSaveSystem.monitorId =
        "MONITOR\\Default_Monitor\\{4d36e96e-e325-11ce-bfc1-08002be10318}\\0000";
}

static void CopyAnswer(const std::string& text, char* destination, size_t capacity) {
    const size_t length = text.size() < capacity - 1 ? text.size() : capacity - 1;
    std::memcpy(destination, text.data(), length);
    destination[length] = 0;
}

int AskSaveFileName(const struct SaveDialogRequest* request) {
    FakeSaveSystem.showings.push_back({request->title, request->filterName, request->filterPattern,
                                       request->initialFolder, request->fileName});
    if (FakeSaveSystem.answersTaken >= FakeSaveSystem.answers.size()) return 1;
    const std::string& answer = FakeSaveSystem.answers[FakeSaveSystem.answersTaken++];
    if (answer == CANCEL_DIALOG) return 1;
    CopyAnswer(answer, request->fileName, FILE_NAME_SIZE);
    return 0;
}

int GetColorFolder(char* folder, int capacity) {
    if (FakeSaveSystem.colorFolderMissing) return 1;
    CopyAnswer(FakeSaveSystem.colorFolder, folder, static_cast<size_t>(capacity));
    return 0;
}

int FindFirstMonitor(char* deviceId, int capacity) {
    if (FakeSaveSystem.adapterMissing) return 1;
    CopyAnswer(FakeSaveSystem.monitorId, deviceId, static_cast<size_t>(capacity));
    return 0;
}

int InstallColorProfileFile(const char* path) {
    if (FakeSaveSystem.installRefused) return 1;
    FakeSaveSystem.installed.push_back(path);
    return 0;
}

int AssociateProfileWithMonitor(const char* path, const char* deviceId) {
    if (FakeSaveSystem.associationRefused) return 1;
    FakeSaveSystem.associated.push_back(std::string(path) + "|" + deviceId);
    return 0;
}

void StoreProfilePath(const char* path) {
    FakeSaveSystem.storedPaths.push_back(path);
}
