// The two save actions against a scripted dialog: proposed names, the
// extension rules and their messages, what a saved profile leads to
// (installation, association, the registry value), the remembered log folder,
// and files that cannot be created or written. Runs in a scratch folder of
// its own, so the Windows-style paths the dialog returns are plain files.
#include "profile/save_actions.h"

#include "profile/icc_profile.h"
#include "profile/output_file_host.h"
#include "profile/save_platform.h"
#include "tests/profile/profile_fixtures.h"
#include "tests/profile/save_platform_fake.h"
#include "tests/support/host_ui.h"
#include "text/text_utils.h"
#include "wizard/calibration_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

const char profileMessage[] = "ShowErrorMessage Profiles must have an extension of .icm or .icc";
const char logMessage[] = "ShowErrorMessage Profile logs must have an extension of .txt";

class SaveActions : public testing::Test {
  protected:
    void SetUp() override {
        previousFolder = std::filesystem::current_path();
        scratch = std::filesystem::path(TestFilePath("save")) /
                  testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::create_directories(scratch);
        std::filesystem::current_path(scratch);
        ResetHostUi();
        ResetFakeSaveSystem();
        OutputSimulation = {0, -1, 20240307, 153000};
        SetKnownCalibration();
        CalibrationSettings.lastLogFolder[0] = 0;
    }
    void TearDown() override {
        std::filesystem::current_path(previousFolder);
        std::filesystem::remove_all(scratch);
        OutputSimulation = {0, -1, 0, 0};
    }
    void Choose(std::vector<std::string> answers) { FakeSaveSystem.answers = answers; }
    std::filesystem::path previousFolder, scratch;
};

TEST(SanitizeFileName, ReplacesWhatAFileNameMustNotTakeFromTheDescription) {
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"LCD a/b\\c:d.icm", "LCD a_b_c_d.icm"},
        {"Caf\xe9 \xc3\xa9t\xe9", "Caf_ __t_"}, // every byte above 126
        {"\x7f\x1f\t\x01x", "____x"},           // delete and control characters
        {" *?\"<>|~ ", " *?\"<>|~ "},           // printable ASCII stays for the dialog to judge
        {"", ""},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        SanitizeFileName(&text[0]);
        EXPECT_EQ(c.expected, text);
    }
}

TEST(DefaultFileName, ShortDescriptionTakesTheExtension) {
    char name[FILE_NAME_SIZE];
    DefaultFileName("Office: LCD/2", ".icm", "C:\\colour", name);
    EXPECT_STREQ("Office_ LCD_2.icm", name);
}

TEST(DefaultFileName, LongDescriptionIsCutToFitAndKeepsItsExtension) {
    const std::string description(338, 'd');
    const std::string folder = "C:\\windows\\system32\\spool\\drivers\\color";
    struct Case {
        std::string folder;
        size_t pathLength; // folder, separator and name
    } cases[] = {
        {"", 255},                    // one file name's limit
        {folder, FILE_NAME_SIZE - 1}, // the dialog's buffer
        {"C:\\", 3 + 255},
        {std::string(300, 'f'), 300 + 1 + 4}, // no room at all: just the extension
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        char name[FILE_NAME_SIZE];
        DefaultFileName(description.c_str(), ".txt", c.folder.c_str(), name);
        const std::string text = name;
        const size_t separator = c.folder.empty() || c.folder.back() == '\\' ? 0 : 1;
        EXPECT_EQ(c.pathLength, c.folder.size() + separator + text.size());
        EXPECT_EQ(".txt", text.substr(text.size() - 4));
    }
}

TEST_F(SaveActions, ProfileDialogOpensInTheColourFolderWithTheSanitisedName) {
    SetProfileTexts("Desk: LCD/left\\caf\xe9", "");
    Choose({CANCEL_DIALOG});
    EXPECT_EQ(1, SaveProfile());
    ASSERT_EQ(1u, FakeSaveSystem.showings.size());
    const DialogShowing& shown = FakeSaveSystem.showings[0];
    EXPECT_EQ("Save Profile", shown.title);
    EXPECT_EQ("Color Profiles", shown.filterName);
    EXPECT_EQ("*.icm;*.icc", shown.filterPattern);
    EXPECT_EQ(FakeSaveSystem.colorFolder, shown.initialFolder);
    EXPECT_EQ("Desk_ LCD_left_caf_.icm", shown.proposedName);
    // Cancel is silent and changes nothing.
    EXPECT_EQ(0, HostUiLogCount()) << HostUiLogText();
    EXPECT_TRUE(FakeSaveSystem.storedPaths.empty());
    EXPECT_TRUE(FakeSaveSystem.installed.empty());
}

TEST_F(SaveActions, ProfileWithoutColourFolderLeavesTheFolderToTheSystem) {
    FakeSaveSystem.colorFolderMissing = 1;
    SaveProfile();
    ASSERT_EQ(1u, FakeSaveSystem.showings.size());
    EXPECT_EQ("", FakeSaveSystem.showings[0].initialFolder);
}

TEST_F(SaveActions, ProfileNeedsIcmOrIccAndAsksAgainWithTheRejectedPath) {
    Choose({"C:\\p\\panel.txt", "C:\\p\\panel", "C:\\p\\panel.icm.", "C:\\p\\panel.ICC"});
    EXPECT_EQ(0, SaveProfile());
    ASSERT_EQ(4u, FakeSaveSystem.showings.size());
    EXPECT_EQ("C:\\p\\panel.txt", FakeSaveSystem.showings[1].proposedName);
    EXPECT_EQ("C:\\p\\panel.icm.", FakeSaveSystem.showings[3].proposedName);
    EXPECT_EQ(3, CountHostUiLog(profileMessage)) << HostUiLogText();
    EXPECT_EQ(3, HostUiLogCount());
}

TEST_F(SaveActions, ProfileExtensionIsTakenInAnyLetterCase) {
    for (const char* name : {"a.icm", "b.ICM", "c.Icm", "d.icc", "e.ICC", "f.iCc"}) {
        ResetFakeSaveSystem();
        Choose({name});
        EXPECT_EQ(0, SaveProfile()) << name;
        EXPECT_EQ(1u, FakeSaveSystem.showings.size()) << name;
    }
    EXPECT_EQ(0, HostUiLogCount()) << HostUiLogText();
}

TEST_F(SaveActions, SavedProfileIsWrittenInstalledAssociatedAndRecorded) {
    Choose({"panel.icm"});
    EXPECT_EQ(0, SaveProfile());
    const std::vector<unsigned char> expected = BuildProfileBytes();
    EXPECT_EQ(std::string(expected.begin(), expected.end()), ReadWholeFile("panel.icm"));
    EXPECT_EQ(std::vector<std::string>{"panel.icm"}, FakeSaveSystem.installed);
    EXPECT_EQ(std::vector<std::string>{"panel.icm|" + FakeSaveSystem.monitorId},
              FakeSaveSystem.associated);
    EXPECT_EQ(std::vector<std::string>{"panel.icm"}, FakeSaveSystem.storedPaths);
    EXPECT_EQ(0, HostUiLogCount()) << HostUiLogText();
}

TEST_F(SaveActions, SavingTwiceRecordsTheSecondPath) {
    Choose({"first.icm"});
    SaveProfile();
    Choose({"second.icc"});
    FakeSaveSystem.answersTaken = 0;
    SaveProfile();
    ASSERT_EQ(2u, FakeSaveSystem.storedPaths.size());
    EXPECT_EQ("second.icc", FakeSaveSystem.storedPaths.back());
}

TEST_F(SaveActions, InstallationFailuresStillRecordTheProfileSilently) {
    struct Case {
        int adapterMissing, installRefused, associationRefused;
        size_t installs;
    } cases[] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 1}};
    for (const Case& c : cases) {
        ResetFakeSaveSystem();
        FakeSaveSystem.adapterMissing = c.adapterMissing;
        FakeSaveSystem.installRefused = c.installRefused;
        FakeSaveSystem.associationRefused = c.associationRefused;
        Choose({"x.icm"});
        EXPECT_EQ(0, SaveProfile());
        EXPECT_EQ(c.installs, FakeSaveSystem.installed.size());
        EXPECT_TRUE(FakeSaveSystem.associated.empty());
        EXPECT_EQ(std::vector<std::string>{"x.icm"}, FakeSaveSystem.storedPaths);
        EXPECT_EQ(1, InstallProfile("x.icm"));
    }
    EXPECT_EQ(0, HostUiLogCount()) << HostUiLogText();
}

// A profile that could not be written is not installed or recorded, and the
// user hears of it; likewise a file that cannot be created.
TEST_F(SaveActions, ProfileNotWrittenIsReportedAndNotRecorded) {
    struct Case {
        const char* path;
        int failWrites, writeLimit;
    } cases[] = {{"missing/panel.icm", 0, -1}, {"failed.icm", 1, -1}, {"short.icm", 0, 100}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        ResetHostUi();
        ResetFakeSaveSystem();
        OutputSimulation.failWrites = c.failWrites;
        OutputSimulation.writeLimit = c.writeLimit;
        Choose({c.path});
        EXPECT_EQ(1, SaveProfile());
        EXPECT_EQ(1, HostUiLogCount());
        EXPECT_EQ(std::string("ShowErrorMessage The profile could not be saved: ") + c.path,
                  HostUiLogLine(0));
        EXPECT_TRUE(FakeSaveSystem.installed.empty());
        EXPECT_TRUE(FakeSaveSystem.storedPaths.empty());
    }
}

// A standard user may not write the colour folder, where the dialog opens:
// the message says so and where else to save. Elsewhere the plain message.
TEST_F(SaveActions, ColourFolderThatRefusesTheFileIsNamedInTheMessage) {
    const std::string refused =
        "The profile could not be saved: %s\r\n\r\nOnly an administrator may save profiles in "
        "the color folder. Click Save Profile again and choose another folder, such as your "
        "documents: Velloran loads the calibration from there at log-on.";
    struct Case {
        const char* path;
        bool inColourFolder;
    } cases[] = {{"absent/color\\Panel.icm", true},
                 {"ABSENT/COLOR\\panel.icc", true},
                 {"absent/color\\sub\\panel.icm", false},
                 {"absent/elsewhere\\panel.icm", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        ResetHostUi();
        ResetFakeSaveSystem();
        FakeSaveSystem.colorFolder = "absent/color"; // cannot be created in
        Choose({c.path});
        EXPECT_EQ(1, SaveProfile());
        std::string expected = c.inColourFolder ? refused : "The profile could not be saved: %s";
        expected.replace(expected.find("%s"), 2, c.path);
        ASSERT_EQ(1, HostUiLogCount());
        EXPECT_EQ("ShowErrorMessage " + expected, HostUiLogLine(0));
        EXPECT_TRUE(FakeSaveSystem.storedPaths.empty());
    }
}

TEST_F(SaveActions, LogDialogOpensInTheLastLogFolderAndNeedsTxt) {
    SetProfileTexts("Desk: LCD", "");
    CopyTextLimited("C:\\logs", CalibrationSettings.lastLogFolder, LOG_FOLDER_SIZE - 1);
    Choose({"C:\\logs\\run.icm", "C:\\logs\\run", "run.TXT"});
    EXPECT_EQ(0, SaveProfileLog());
    ASSERT_EQ(3u, FakeSaveSystem.showings.size());
    const DialogShowing& shown = FakeSaveSystem.showings[0];
    EXPECT_EQ("Save Profile Log", shown.title);
    EXPECT_EQ("Text Files", shown.filterName);
    EXPECT_EQ("*.txt", shown.filterPattern);
    EXPECT_EQ("C:\\logs", shown.initialFolder);
    EXPECT_EQ("Desk_ LCD.txt", shown.proposedName);
    EXPECT_EQ("C:\\logs\\run.icm", FakeSaveSystem.showings[1].proposedName);
    EXPECT_EQ(2, CountHostUiLog(logMessage)) << HostUiLogText();
    EXPECT_EQ(2, HostUiLogCount());
    // The profile's own dialog keeps to the colour folder.
    SaveProfile();
    EXPECT_EQ(FakeSaveSystem.colorFolder, FakeSaveSystem.showings.back().initialFolder);
}

TEST_F(SaveActions, SavedLogHas47LinesAndItsFolderIsRemembered) {
    // On this host a Windows path is one plain file name in the scratch folder.
    struct Case {
        const char* path;
        const char* folder;
    } cases[] = {{"D:\\reports\\june\\panel.txt", "D:\\reports\\june"}, {"C:\\panel.Txt", "C:\\"}};
    for (const Case& c : cases) {
        ResetFakeSaveSystem();
        Choose({c.path});
        EXPECT_EQ(0, SaveProfileLog());
        EXPECT_STREQ(c.folder, CalibrationSettings.lastLogFolder);
        const std::string log = ReadWholeFile(c.path);
        size_t lines = 0;
        for (size_t at = log.find("\r\n"); at != std::string::npos; at = log.find("\r\n", at + 2))
            ++lines;
        EXPECT_EQ(47u, lines);
        EXPECT_EQ("Prismoth - Monitor 1.0 Log\r\n7-Mar-2024\r\n", log.substr(0, 40));
        EXPECT_EQ(WriteLogFile("expected.txt"), log);
    }
}

TEST_F(SaveActions, CancelledLogKeepsTheFolderAndWritesNothing) {
    CopyTextLimited("C:\\logs", CalibrationSettings.lastLogFolder, LOG_FOLDER_SIZE - 1);
    Choose({"C:\\other\\run", CANCEL_DIALOG});
    EXPECT_EQ(1, SaveProfileLog());
    EXPECT_STREQ("C:\\logs", CalibrationSettings.lastLogFolder);
    EXPECT_EQ(1, CountHostUiLog(logMessage));
    EXPECT_EQ(1, HostUiLogCount());
    EXPECT_TRUE(std::filesystem::is_empty(std::filesystem::current_path()));
}

TEST_F(SaveActions, LogNotWrittenIsReportedAndItsFolderStillRemembered) {
    struct Case {
        const char* path;
        int failWrites;
        const char* folder;
    } cases[] = {{"missing/E:\\logs\\run.txt", 0, "missing/E:\\logs"}, {"F:\\run.txt", 1, "F:\\"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        ResetHostUi();
        ResetFakeSaveSystem();
        OutputSimulation.failWrites = c.failWrites;
        Choose({c.path});
        EXPECT_EQ(1, SaveProfileLog());
        EXPECT_EQ(1, HostUiLogCount());
        EXPECT_EQ(std::string("ShowErrorMessage The profile log could not be saved: ") + c.path,
                  HostUiLogLine(0));
        EXPECT_STREQ(c.folder, CalibrationSettings.lastLogFolder);
    }
}

TEST_F(SaveActions, LongDescriptionProposesANameThatFits) {
    SetProfileTexts(std::string(338, 'p').c_str(), "");
    SaveProfileLog();
    SaveProfile();
    ASSERT_EQ(2u, FakeSaveSystem.showings.size());
    const std::string logName = FakeSaveSystem.showings[0].proposedName;
    EXPECT_EQ(255u, logName.size());
    EXPECT_EQ(".txt", logName.substr(251));
    const std::string profileName = FakeSaveSystem.showings[1].proposedName;
    EXPECT_EQ(FILE_NAME_SIZE - 1u, FakeSaveSystem.colorFolder.size() + 1 + profileName.size());
    EXPECT_EQ(".icm", profileName.substr(profileName.size() - 4));
}

} // namespace
