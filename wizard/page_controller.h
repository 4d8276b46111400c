// The wizard's page controller: the page on screen, the moves between pages
// (Next, Prev, Try Again, the fall-back when a page fails, the pages that
// skip themselves) and the handlers of the pages that only show text or
// controls. Every handler returns 0 when its page waits for the user and 1
// when it failed or a measurement was given up.
#pragma once

enum WizardPage {
    PAGE_SETUP = 1,
    PAGE_PREPARE_DARK_CURRENT = 2,
    PAGE_MEASURE_DARK_CURRENT = 3,
    PAGE_ATTACH_CALIBRATOR = 4,
    PAGE_BRIGHTNESS = 5,
    PAGE_COLOR_CONTROLS = 6,
    PAGE_CALIBRATION = 7,
    PAGE_SAVE_PROFILE = 8,
};

// The page on screen, 1 to 8.
extern int currentPage;

// ResetPageControls, then the handler of currentPage; returns its result.
int RunCurrentPage();
// Moves to the next page (8 wraps to 1) and runs it; when it fails, falls
// back once to an earlier page. Returns the result of the last page run.
int AdvancePage();
// Moves back (nothing on page 1) and runs the page; its result is ignored.
void PreviousPage();

int RunSetupPage();
int RunPrepareDarkCurrentPage();
int RunMeasureDarkCurrentPage();
int RunAttachCalibratorPage();
int RunSaveProfilePage();
