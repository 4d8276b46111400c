// The page controller driven through the recording host UI and the simulated
// colorimeter: Next with its skips and fall-backs, Prev, Try Again, and the
// texts of the pages that only show text or controls.
#include "tests/wizard/wizard_run_fixture.h"

namespace {

using PageController = WizardRun;

TEST_F(PageController, SetupPageShowsFormAndInstructions) {
    EXPECT_STREQ("Setup", HostControls.pageTitle);
    EXPECT_EQ(1, HostControls.setupFormVisible);
    EXPECT_EQ(0, HostControls.prevEnabled);
    EXPECT_EQ(0, HostControls.beeps);
    EXPECT_NE(nullptr, std::strstr(HostControls.instructions,
                                   "The characters \":\", \"/\" and \"\\\" are legal"));
}

TEST_F(PageController, NextWithoutDescriptionStaysOnSetup) {
    CalibrationSettings.profileDescription[0] = '\0';
    EXPECT_EQ(0, AdvancePage());
    EXPECT_EQ(PAGE_SETUP, currentPage);
    EXPECT_GE(FindHostUiLog("ShowErrorMessage You must enter a profile description"), 0);
    EXPECT_EQ(1, HostControls.setupFormVisible);
    EXPECT_STREQ("Setup", HostControls.pageTitle);
}

TEST_F(PageController, DarkCurrentPageConnectsAndMovesOnToAttach) {
    AdvancePage();
    EXPECT_STREQ("Prepare to measure dark current", HostControls.pageTitle);
    EXPECT_EQ(0, AdvancePage());
    EXPECT_EQ(PAGE_ATTACH_CALIBRATOR, currentPage);
    EXPECT_STREQ("Attach calibrator to monitor", HostControls.pageTitle);
    EXPECT_EQ(1, HostControls.targetVisible);
    EXPECT_EQ(255, VirtualScreen.red);
    EXPECT_EQ(255, VirtualScreen.blue);
    EXPECT_EQ(1, SimToolkitState.calibration); // LCD
    EXPECT_EQ(1, SimToolkitState.darkCurrentSet);
    EXPECT_EQ(1, cursorShown);
}

TEST_F(PageController, CancelledConnectionReturnsToPrepare) {
    AdvancePage();
    SimFailures.failingOpens = 5;
    QueueBoxAnswers("OC");
    int beeps = HostControls.beeps;
    EXPECT_EQ(0, AdvancePage());
    EXPECT_EQ(PAGE_PREPARE_DARK_CURRENT, currentPage);
    EXPECT_STREQ("Prepare to measure dark current", HostControls.pageTitle);
    EXPECT_EQ(beeps + 1, HostControls.beeps);
    EXPECT_EQ(0, colorimeterConnected);
    EXPECT_EQ(1, cursorShown);
}

TEST_F(PageController, NextFromAttachSkipsPagesTurnedOff) {
    struct {
        int brightness, color, page;
        const char* title;
    } cases[] = {
        {1, 1, PAGE_BRIGHTNESS, "Set Brightness Control"},
        {1, 0, PAGE_BRIGHTNESS, "Set Brightness Control"},
        {0, 1, PAGE_COLOR_CONTROLS, "Set Color Controls"},
        {0, 0, PAGE_CALIBRATION, "Monitor Calibration"},
    };
    for (auto& c : cases) {
        SetUp();
        SetSettings(c.brightness, c.color);
        GoToAttachPage();
        EXPECT_EQ(0, AdvancePage());
        EXPECT_EQ(c.page, currentPage) << c.brightness << c.color;
        EXPECT_STREQ(c.title, HostControls.pageTitle);
    }
}

TEST_F(PageController, NextRunsThroughToSaveAndBackToSetup) {
    GoToAttachPage();
    for (int page = PAGE_BRIGHTNESS; page <= PAGE_SAVE_PROFILE; ++page) {
        EXPECT_EQ(0, AdvancePage());
        EXPECT_EQ(page, currentPage) << HostUiLogText();
    }
    EXPECT_STREQ("Save Profile", HostControls.pageTitle);
    EXPECT_EQ(1, HostControls.saveButtonsVisible);
    EXPECT_EQ(1, HostControls.resultsVisible);
    EXPECT_EQ(0, AdvancePage());
    EXPECT_EQ(PAGE_SETUP, currentPage);
    EXPECT_STREQ("Test monitor", CalibrationSettings.profileDescription);
    EXPECT_EQ(1, HostControls.setupFormVisible);
}

TEST_F(PageController, PrevFollowsTheSkips) {
    struct {
        int from, brightness, color, to;
    } cases[] = {
        {PAGE_PREPARE_DARK_CURRENT, 1, 1, PAGE_SETUP},
        {PAGE_MEASURE_DARK_CURRENT, 1, 1, PAGE_PREPARE_DARK_CURRENT},
        {PAGE_ATTACH_CALIBRATOR, 1, 1, PAGE_PREPARE_DARK_CURRENT},
        {PAGE_BRIGHTNESS, 1, 1, PAGE_ATTACH_CALIBRATOR},
        {PAGE_COLOR_CONTROLS, 1, 1, PAGE_BRIGHTNESS},
        {PAGE_COLOR_CONTROLS, 0, 1, PAGE_ATTACH_CALIBRATOR},
        {PAGE_CALIBRATION, 1, 1, PAGE_COLOR_CONTROLS},
        {PAGE_CALIBRATION, 1, 0, PAGE_BRIGHTNESS},
        {PAGE_CALIBRATION, 0, 0, PAGE_ATTACH_CALIBRATOR},
        {PAGE_SAVE_PROFILE, 1, 1, PAGE_COLOR_CONTROLS},
        {PAGE_SAVE_PROFILE, 1, 0, PAGE_CALIBRATION}, // page 6 skips: the run starts again
    };
    for (auto& c : cases) {
        SetUp();
        SetSettings(c.brightness, c.color);
        GoToAttachPage();
        currentPage = c.from;
        PreviousPage();
        EXPECT_EQ(c.to, currentPage) << c.from << " " << c.brightness << c.color;
    }
}

TEST_F(PageController, PrevOnSetupDoesNothing) {
    ClearHostUiLog();
    PreviousPage();
    EXPECT_EQ(PAGE_SETUP, currentPage);
    EXPECT_EQ(0, HostUiLogCount());
}

TEST_F(PageController, PrevFromSaveAgainRunsCalibration) {
    SetSettings(1, 0);
    GoToAttachPage();
    currentPage = PAGE_SAVE_PROFILE;
    ClearHostUiLog();
    PreviousPage();
    EXPECT_EQ(PAGE_CALIBRATION, currentPage);
    EXPECT_GE(FindHostUiLog("SetPageTitle Monitor Calibration"), 0);
    EXPECT_EQ(0, CountHostUiLog("SetPageTitle Set Color Controls"));
}

TEST_F(PageController, FailedMeasuringPagesFallBackToAttach) {
    struct {
        int brightness, color, via; // via: 0 Next from page 4, 1 Prev from page 8
        int failingReading;
    } cases[] = {
        {1, 1, 0, 3},  // page 5
        {0, 1, 0, 2},  // page 6 after page 5 skipped itself
        {0, 0, 0, 40}, // page 7 after pages 5 and 6 skipped themselves
        {1, 0, 1, 40}, // page 7 reached by Prev from 8 through the skipping page 6
    };
    for (auto& c : cases) {
        SetUp();
        SetSettings(c.brightness, c.color);
        GoToAttachPage();
        CancelReadingsFrom(SimToolkitState.readingCalls + c.failingReading);
        if (c.via == 0) {
            EXPECT_EQ(0, AdvancePage());
        } else {
            currentPage = PAGE_SAVE_PROFILE;
            PreviousPage();
        }
        EXPECT_EQ(PAGE_ATTACH_CALIBRATOR, currentPage) << c.brightness << c.color << c.via;
        EXPECT_STREQ("Attach calibrator to monitor", HostControls.pageTitle);
        EXPECT_EQ(1, HostControls.targetVisible);
        EXPECT_EQ(1, cursorShown);
        EXPECT_EQ(1, HostControls.nextEnabled);
        EXPECT_TRUE(AdapterHolds(LinearRamp));
    }
}

TEST_F(PageController, FailedPageReachedByPrevStays) {
    GoToAttachPage();
    EXPECT_EQ(0, AdvancePage());
    EXPECT_EQ(0, AdvancePage());
    ASSERT_EQ(PAGE_COLOR_CONTROLS, currentPage);
    CancelReadingsFrom(SimToolkitState.readingCalls + 2);
    PreviousPage();
    EXPECT_EQ(PAGE_BRIGHTNESS, currentPage);
    EXPECT_EQ(0, HostControls.tryAgainEnabled);
    EXPECT_EQ(1, HostControls.prevEnabled);
    EXPECT_EQ(1, HostControls.nextEnabled);
    SimFailures.failingReadingFrom = 0;
    EXPECT_EQ(0, AdvancePage());
    EXPECT_EQ(PAGE_COLOR_CONTROLS, currentPage);
}

TEST_F(PageController, TryAgainRepeatsThePage) {
    GoToAttachPage();
    AdvancePage();
    ASSERT_EQ(1, HostControls.tryAgainEnabled);
    int readings = SimToolkitState.readingCalls;
    EXPECT_EQ(0, RunCurrentPage());
    EXPECT_EQ(PAGE_BRIGHTNESS, currentPage);
    EXPECT_EQ(readings + 10, SimToolkitState.readingCalls);
}

} // namespace
