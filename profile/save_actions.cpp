// Saving the profile and the profile log: the dialog loop that insists on the
// extension, the proposed names, and what follows a chosen name. Failures to
// write are told in the system's voice; a cancelled dialog stays silent.
#include "profile/save_actions.h"

#include "profile/icc_profile.h"
#include "profile/output_file.h"
#include "profile/profile_log.h"
#include "profile/save_platform.h"
#include "text/path_utils.h"
#include "text/text_format.h"
#include "text/text_utils.h"
#include "wizard/calibration_settings.h"
#include "wizard/ui_operations.h"

enum {
    NAME_LIMIT = 255, // longest single file name the file systems take
    MESSAGE_SIZE = FILE_NAME_SIZE + 320, // a path and the longest message around it
    UNDERSCORE = 95,
    LOWEST_PRINTABLE = 32,
    HIGHEST_PRINTABLE = 126,
};

static const char* const profileExtensions[] = {".ICM", ".ICC", 0};
static const char* const logExtensions[] = {".TXT", 0};

void SanitizeFileName(char* text) {
    for (unsigned char* c = reinterpret_cast<unsigned char*>(text); *c; ++c) {
        if (*c == '/' || *c == '\\' || *c == ':' || *c < LOWEST_PRINTABLE || *c > HIGHEST_PRINTABLE)
            *c = UNDERSCORE;
    }
}

// Characters of the description that fit beside the extension.
static int DescriptionRoom(const char* extension, const char* folder) {
    int room = NAME_LIMIT;
    const int folderLength = TextLength(folder);
    if (folderLength > 0) {
        const int separator = folder[folderLength - 1] == '\\' ? 0 : 1;
        const int pathRoom = FILE_NAME_SIZE - 1 - folderLength - separator;
        if (pathRoom < room) room = pathRoom;
    }
    room -= TextLength(extension);
    return room > 0 ? room : 0;
}

void DefaultFileName(const char* description, const char* extension, const char* folder,
                     char* fileName) {
    char stem[FILE_NAME_SIZE];
    CopyTextLimited(description, stem, DescriptionRoom(extension, folder));
    FormatText(fileName, FILE_NAME_SIZE, "%s%s", stem, extension);
    SanitizeFileName(fileName);
}

static int HasOneOfExtensions(const char* name, const char* const* extensions) {
    for (; *extensions; ++extensions)
        if (LacksExtension(name, *extensions) == 0) return 1;
    return 0;
}

// Shows the dialog until the chosen name has one of the extensions, telling
// the user each time it has not. 1 when the user cancels.
static int AskForFileName(const struct SaveDialogRequest* request, const char* const* extensions,
                          const char* message) {
    for (;;) {
        if (AskSaveFileName(request) != 0) return 1;
        if (HasOneOfExtensions(request->fileName, extensions)) return 0;
        ShowErrorMessage(message);
    }
}

static int ReportNotSaved(const char* format, const char* path) {
    char message[MESSAGE_SIZE];
    FormatText(message, sizeof message, format, path);
    ShowErrorMessage(message);
    return 1;
}

int InstallProfile(const char* path) {
    char deviceId[DEVICE_ID_SIZE];
    if (FindFirstMonitor(deviceId, sizeof deviceId) != 0) return 1;
    if (InstallColorProfileFile(path) != 0) return 1;
    return AssociateProfileWithMonitor(path, deviceId);
}

static int IsInFolder(const char* path, const char* folder) {
    char pathFolder[FILE_NAME_SIZE];
    CopyTextLimited(path, pathFolder, FILE_NAME_SIZE - 1);
    FolderOfPath(pathFolder);
    return folder[0] != 0 && EqualIgnoringCase(pathFolder, folder);
}

// A profile that was not written completely is neither installed nor
// recorded: the log-on loader must not find a broken file. The dialog opens
// in the colour folder, which only an administrator may write: a standard
// user who cannot save there is told so, and where else the profile can go.
static int WriteProfileFile(const char* path, const char* colorFolder) {
    static const char notSaved[] = "The profile could not be saved: %s";
    static const char colorFolderRefused[] =
        "The profile could not be saved: %s\r\n\r\nOnly an administrator may save "
        "profiles in the color folder. Click Save Profile again and choose another folder, "
        "such as your documents: Velloran loads the calibration from there at log-on.";
    OutputFile file;
    if (CreateOutputFile(path, &file) != 0)
        return ReportNotSaved(IsInFolder(path, colorFolder) ? colorFolderRefused : notSaved, path);
    if (WriteProfile(file) != 0) {
        CloseOutputFile(file);
        return ReportNotSaved(notSaved, path);
    }
    InstallProfile(path);
    StoreProfilePath(path);
    return 0;
}

int SaveProfile() {
    char colorFolder[FILE_NAME_SIZE];
    if (GetColorFolder(colorFolder, sizeof colorFolder) != 0) colorFolder[0] = 0;
    char fileName[FILE_NAME_SIZE];
    DefaultFileName(CalibrationSettings.profileDescription, ".icm", colorFolder, fileName);
    const struct SaveDialogRequest request = {"Save Profile", "Color Profiles", "*.icm;*.icc",
                                              colorFolder, fileName};
    if (AskForFileName(&request, profileExtensions,
                       "Profiles must have an extension of .icm or .icc") != 0)
        return 1;
    return WriteProfileFile(fileName, colorFolder);
}

static int WriteLogFile(const char* path) {
    static const char notSaved[] = "The profile log could not be saved: %s";
    OutputFile file;
    if (CreateOutputFile(path, &file) != 0) return ReportNotSaved(notSaved, path);
    const int status = WriteProfileLog(file);
    CloseOutputFile(file);
    if (status != 0) return ReportNotSaved(notSaved, path);
    return 0;
}

int SaveProfileLog() {
    char* folder = CalibrationSettings.lastLogFolder;
    char fileName[FILE_NAME_SIZE];
    DefaultFileName(CalibrationSettings.profileDescription, ".txt", folder, fileName);
    const struct SaveDialogRequest request = {"Save Profile Log", "Text Files", "*.txt", folder,
                                              fileName};
    if (AskForFileName(&request, logExtensions, "Profile logs must have an extension of .txt") != 0)
        return 1;
    CopyTextLimited(fileName, folder, LOG_FOLDER_SIZE - 1);
    FolderOfPath(folder);
    return WriteLogFile(fileName);
}
