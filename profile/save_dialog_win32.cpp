// The common save dialog for both save actions, owned by the main window.
#include "profile/save_platform.h"

#include "text/text_format.h"
#include "wizard/app_globals_win32.h"
#include "wizard/main_window_win32.h"

#include <windows.h>
#include <commdlg.h>

enum { FILTER_SIZE = 128 };

// The dialog's filter list: name and pattern, each ended by a zero byte,
// and the formatter's own terminator as the zero byte that ends the list.
static void MakeFilter(const struct SaveDialogRequest* request, char filter[FILTER_SIZE]) {
    FormatText(filter, FILTER_SIZE, "%s\\0%s\\0", request->filterName, request->filterPattern);
}

int AskSaveFileName(const struct SaveDialogRequest* request) {
    char filter[FILTER_SIZE];
    MakeFilter(request, filter);
    char fileTitle[FILE_NAME_SIZE] = "";
    OPENFILENAMEA dialog;
    ZeroMemory(&dialog, sizeof dialog);
    // Windows 98 refuses the record's later, larger size; the first size is
    // accepted everywhere and the dialog needs none of the later fields.
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = mainWindow;
    dialog.hInstance = appInstance;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = request->fileName;
    dialog.nMaxFile = FILE_NAME_SIZE;
    dialog.lpstrFileTitle = fileTitle;
    dialog.nMaxFileTitle = FILE_NAME_SIZE;
    dialog.lpstrInitialDir = request->initialFolder[0] ? request->initialFolder : 0;
    dialog.lpstrTitle = request->title;
    dialog.Flags =
        OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_LONGNAMES | OFN_ENABLESIZING;
    return GetSaveFileNameA(&dialog) ? 0 : 1;
}
