// The test side of the save actions' system calls: a save dialog that
// records what it was shown with and answers from a script, a colour folder,
// a first monitor, installation and association that can be refused, and the
// registry value kept in memory.
#pragma once

#include <string>
#include <vector>

// The script's answer for the Cancel button.
extern const char* const CANCEL_DIALOG;

struct DialogShowing {
    std::string title, filterName, filterPattern, initialFolder, proposedName;
};

struct FakeSaveSystem {
    std::vector<std::string> answers; // chosen paths in turn; Cancel once they run out
    size_t answersTaken;
    std::vector<DialogShowing> showings;
    int colorFolderMissing;
    std::string colorFolder;
    int adapterMissing, installRefused, associationRefused;
    std::string monitorId;
    std::vector<std::string> installed;  // paths
    std::vector<std::string> associated; // "path|device ID"
    std::vector<std::string> storedPaths;
};

extern struct FakeSaveSystem FakeSaveSystem;

// A folder and monitor as Wine's, nothing scripted, nothing recorded.
void ResetFakeSaveSystem();
