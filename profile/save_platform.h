// What the two save actions ask of the system: the common save dialog, the
// colour profile folder, installing a profile and tying it to the first
// monitor, and the registry record of the last profile. The Windows build
// uses comdlg32, mscms, user32 and the registry; the tests a scripted fake.
#pragma once

enum {
    FILE_NAME_SIZE = 260, // the dialog's file name buffer, terminator included
    DEVICE_ID_SIZE = 256, // a display device's ID text, terminator included
};

struct SaveDialogRequest {
    const char* title;
    const char* filterName; // one filter: its name and its pattern
    const char* filterPattern;
    const char* initialFolder; // "" leaves the folder to the system
    char* fileName;            // FILE_NAME_SIZE bytes: the proposed name in, the chosen path out
};

// Shows the modal save dialog owned by the main window. 0 with the chosen
// path in fileName; 1 when the user cancels or the dialog fails.
int AskSaveFileName(const struct SaveDialogRequest* request);

// The local machine's colour profile folder. 0, or 1 when the system has none.
int GetColorFolder(char* folder, int capacity);

// The device ID of the first display adapter's first monitor (the adapter's
// own ID when it reports no monitor). 1 when there is no display adapter.
int FindFirstMonitor(char* deviceId, int capacity);

// Installs the profile file for the local machine. 0, or 1 when refused.
int InstallColorProfileFile(const char* path);

// Associates an installed profile with a display device. 0, or 1 when refused.
int AssociateProfileWithMonitor(const char* path, const char* deviceId);

// Records path as the last saved profile, where the log-on loader looks for
// it: HKEY_CURRENT_USER "Software\Orvane\Prismoth - Monitor\Profile", string
// value "pathname". A key that cannot be created leaves the old value, silently.
void StoreProfilePath(const char* path);
