// Page numbers and the moves between them, plus the five pages that only
// show text or controls. The measuring pages live in the engine; a page that
// skips itself calls AdvancePage from inside, so up to three AdvancePage
// calls can be active at once and only the innermost sees a failure.
#include "wizard/page_controller.h"

#include "engine/brightness_page.h"
#include "engine/calibration_run.h"
#include "engine/white_point_page.h"
#include "meter/colorimeter.h"
#include "wizard/calibration_settings.h"
#include "wizard/ui_operations.h"

int currentPage = PAGE_SETUP;

typedef int (*PageHandler)();

static const PageHandler PageHandlers[PAGE_SAVE_PROFILE + 1] = {
    nullptr,
    RunSetupPage,
    RunPrepareDarkCurrentPage,
    RunMeasureDarkCurrentPage,
    RunAttachCalibratorPage,
    RunBrightnessPage,
    RunColorControlsPage,
    RunCalibrationPage,
    RunSaveProfilePage,
};

int RunCurrentPage() {
    ResetPageControls();
    if (currentPage < PAGE_SETUP || currentPage > PAGE_SAVE_PROFILE) currentPage = PAGE_SETUP;
    return PageHandlers[currentPage]();
}

// Where the wizard goes when a page reached by Next fails.
static int FallBackPage(int failedPage, int previousPage) {
    if (failedPage <= PAGE_MEASURE_DARK_CURRENT) return previousPage;
    if (failedPage == PAGE_ATTACH_CALIBRATOR) return PAGE_PREPARE_DARK_CURRENT;
    return PAGE_ATTACH_CALIBRATOR;
}

int AdvancePage() {
    int previousPage = currentPage;
    currentPage = currentPage >= PAGE_SAVE_PROFILE ? PAGE_SETUP : currentPage + 1;
    if (RunCurrentPage() == 0) return 0;
    currentPage = FallBackPage(currentPage, previousPage);
    return RunCurrentPage();
}

// The page Prev leads to; 0 on page 1, where Prev does nothing.
static int PreviousPageOf(int page) {
    int brightness = CalibrationSettings.adjustableBrightness;
    int color = CalibrationSettings.adjustableColor;
    switch (page) {
    case PAGE_PREPARE_DARK_CURRENT: return PAGE_SETUP;
    case PAGE_MEASURE_DARK_CURRENT:
    case PAGE_ATTACH_CALIBRATOR: return PAGE_PREPARE_DARK_CURRENT;
    case PAGE_BRIGHTNESS: return PAGE_ATTACH_CALIBRATOR;
    case PAGE_COLOR_CONTROLS: return brightness ? PAGE_BRIGHTNESS : PAGE_ATTACH_CALIBRATOR;
    case PAGE_CALIBRATION:
        if (color) return PAGE_COLOR_CONTROLS;
        return brightness ? PAGE_BRIGHTNESS : PAGE_ATTACH_CALIBRATOR;
    // Page 6 skips itself to the calibration run when the colour controls
    // are not adjustable, so Prev from the results runs the calibration again.
    case PAGE_SAVE_PROFILE: return PAGE_COLOR_CONTROLS;
    default: return 0;
    }
}

void PreviousPage() {
    int page = PreviousPageOf(currentPage);
    if (page == 0) return;
    currentPage = page;
    RunCurrentPage();
}

int RunSetupPage() {
    SetPageTitle("Setup");
    ShowSetupForm();
    SetInstructions(
        "Please select the type of monitor you wish to profile.\r\n\r\n"
        "If your monitor has an adjustable brightness control or adjustable color controls, "
        "check the corresponding boxes.\r\n\r\n"
        "Select the white point and gamma standards to which you wish to calibrate. A D65 "
        "(daylight balanced) white point and Gamma 2.2 are recommended for general use. D50 (a "
        "somewhat yellow white point) and Gamma 1.8 are primarily for prepress applications. "
        "D75 is a slightly blue white point that may be appropriate for matching certain cold "
        "white papers or lighting with a higher color temperature.\r\n\r\n"
        "Enter a Profile Description - you may wish to include the make and model of the "
        "monitor, the gamma and white point, and the date. The characters \":\", \"/\" and "
        "\"\\\" are legal but should be avoided as they cannot be used in filenames.\r\n\r\n"
        "Enter an optional Copyright Notice if you want to restrict the distribution rights of "
        "your profile\r\n\r\n"
        "Before proceeding, make sure the calibrator drivers have been installed and the "
        "calibrator is attached to your computer.\r\n\r\n"
        "When you are ready to begin, click Next to continue.");
    return 0;
}

int RunPrepareDarkCurrentPage() {
    if (CalibrationSettings.profileDescription[0] == '\0') {
        ShowErrorMessage("You must enter a profile description");
        return 1;
    }
    SetPageTitle("Prepare to measure dark current");
    SetInstructions("Place the calibrator in its black saucer in preparation for measuring its "
                    "dark current.\r\n\r\nWhen you are ready to begin, click Next to continue.");
    Beep();
    return 0;
}

int RunMeasureDarkCurrentPage() {
    SetPageTitle("Measure dark current");
    SetInstructions("Connecting to calibrator...\r\nThis will take a few seconds.");
    BeginMeasuring();
    int failed = OpenColorimeter(CalibrationSettings.monitorType == MONITOR_CRT);
    EndMeasuring();
    if (failed) return 1;
    SetInstructions("Measuring dark current...\r\nThis will take a few seconds.");
    BeginMeasuring();
    failed = MeasureDarkCurrent();
    EndMeasuring();
    if (failed) return 1;
    AdvancePage();
    return 0;
}

int RunAttachCalibratorPage() {
    SetPageTitle("Attach calibrator to monitor");
    ShowTargetWindow();
    SetTargetColor(255, 255, 255);
    SetInstructions("Attach the calibrator to the screen over the target window. The target "
                    "window can be resized or repositioned whenever necessary.\r\n\r\n"
                    "Click Next to continue.");
    Beep();
    return 0;
}

int RunSaveProfilePage() {
    SetPageTitle("Save Profile");
    ShowSaveButtons();
    ShowResultsWindow();
    SetInstructions("Click Save Profile to save your profile and set it as the system monitor "
                    "profile.\r\n\r\nClick Save Profile Log to save a text file containing "
                    "detailed information about your monitor profile.\r\n\r\n"
                    "Click Next to continue.");
    Beep();
    return 0;
}
