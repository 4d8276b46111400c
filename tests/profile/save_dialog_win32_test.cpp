// The save dialog's record as Windows 98 judges it: its GetSaveFileNameA
// refuses a record of any size but the 4.0 one (CDERR_STRUCTSIZE), which every
// later system accepts too. The system call is replaced through its import
// pointer, under the name the import library would give it, so the product's
// own dialog code runs unchanged.
#include "profile/save_platform.h"

#include <windows.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include <string>

HWND mainWindow = reinterpret_cast<HWND>(0x1234);
HINSTANCE appInstance = reinterpret_cast<HINSTANCE>(0x5678);

namespace {

OPENFILENAMEA shown;
std::string shownFilter; // the list of name and pattern pairs, up to its empty name
const char chosenPath[] = "C:\\profiles\\Desk LCD.icm";

BOOL WINAPI Windows98GetSaveFileName(LPOPENFILENAMEA dialog) {
    shown = *dialog;
    shownFilter.clear();
    for (const char* item = dialog->lpstrFilter; *item; item += lstrlenA(item) + 1)
        shownFilter.append(item).push_back('|');
    if (dialog->lStructSize != OPENFILENAME_SIZE_VERSION_400A) return FALSE;
    lstrcpynA(dialog->lpstrFile, chosenPath, dialog->nMaxFile);
    return TRUE;
}

} // namespace

#ifdef _WIN64
#define GET_SAVE_FILE_NAME_IMPORT "__imp_GetSaveFileNameA"
#else
#define GET_SAVE_FILE_NAME_IMPORT "__imp__GetSaveFileNameA@4"
#endif
extern "C" {
BOOL(WINAPI* importGetSaveFileName)(LPOPENFILENAMEA) __asm__(GET_SAVE_FILE_NAME_IMPORT) =
    Windows98GetSaveFileName;
}

namespace {

TEST(AskSaveFileName, RecordIsOneWindows98Takes) {
    char fileName[FILE_NAME_SIZE] = "Desk LCD.icm";
    const SaveDialogRequest request = {"Save Profile", "Color Profiles", "*.icm;*.icc",
                                       "C:\\color", fileName};
    ASSERT_EQ(0, AskSaveFileName(&request));
    EXPECT_STREQ(chosenPath, fileName);
#ifndef _WIN64
    EXPECT_EQ(76u, shown.lStructSize); // the 4.0 record, as Windows 98 documents it
#endif
    EXPECT_EQ(mainWindow, shown.hwndOwner);
    EXPECT_EQ(appInstance, shown.hInstance);
    EXPECT_EQ("Color Profiles|*.icm;*.icc|", shownFilter);
    EXPECT_STREQ("C:\\color", shown.lpstrInitialDir);
    EXPECT_STREQ("Save Profile", shown.lpstrTitle);
    EXPECT_EQ(static_cast<DWORD>(FILE_NAME_SIZE), shown.nMaxFile);
    EXPECT_EQ(static_cast<DWORD>(OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_EXPLORER |
                                 OFN_LONGNAMES | OFN_ENABLESIZING),
              shown.Flags);
}

TEST(AskSaveFileName, NoInitialFolderLeavesItToTheSystem) {
    char fileName[FILE_NAME_SIZE] = "run.txt";
    const SaveDialogRequest request = {"Save Profile Log", "Text Files", "*.txt", "", fileName};
    ASSERT_EQ(0, AskSaveFileName(&request));
    EXPECT_EQ(nullptr, shown.lpstrInitialDir);
}

} // namespace
