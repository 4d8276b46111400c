// A wizard run on the host: the recording UI, the virtual screen and the
// simulated colorimeter over a virtual monitor, with the settings, record,
// ramps and page number as the wizard has them when its window opens.
#pragma once

#include "engine/adapter_ramp.h"
#include "engine/calibration_record.h"
#include "engine/lookup_tables.h"
#include "meter/colorimeter.h"
#include "sim/sim_toolkit.h"
#include "sim/virtual_screen.h"
#include "tests/support/host_ui.h"
#include "wizard/calibration_settings.h"
#include "wizard/page_controller.h"
#include "wizard/ui_operations.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

struct WizardRun : ::testing::Test {
    void SetUp() override {
        CloseColorimeter();
        ResetSimulation();
        ResetHostUi();
        SetSettings(1, 1);
        CalibrationRecord = {};
        SetTargetsFromIndexes(WHITE_POINT_D65, 0);
        MakeLinearRamp(&LinearRamp);
        std::memset(&CorrectionRamp, 0, sizeof CorrectionRamp);
        SaveAdapterRamp(&ExitRamp);
        currentPage = PAGE_SETUP;
        RunCurrentPage();
    }

    static void SetSettings(int brightness, int color) {
        CalibrationSettings.monitorType = MONITOR_LCD;
        CalibrationSettings.adjustableBrightness = brightness;
        CalibrationSettings.adjustableColor = color;
        CalibrationSettings.whitePointIndex = WHITE_POINT_D65;
        CalibrationSettings.gammaIndex = 0;
        std::strcpy(CalibrationSettings.profileDescription, "Test monitor");
    }

    // Measures model from now on, with the connection to be made again.
    static void UseMonitor(const MonitorModel& model) {
        SelectVirtualMonitor(&model);
        CalibrationSettings.monitorType = model.lcd ? MONITOR_LCD : MONITOR_CRT;
        CloseColorimeter();
        ResetSimToolkit();
    }

    // Next from the setup page through dark current to "Attach calibrator".
    static void GoToAttachPage() {
        currentPage = PAGE_SETUP;
        AdvancePage();
        AdvancePage();
        ASSERT_EQ(PAGE_ATTACH_CALIBRATOR, currentPage) << HostUiLogText();
    }

    // Readings from number `from` on fail until the user cancels the box.
    static void CancelReadingsFrom(int from) {
        SimFailures.failingReadingFrom = from;
        SimFailures.failingReadingCount = 1000000;
        QueueBoxAnswers("C");
    }

    // Readings taken while the instructions contain text report chromaticity
    // (x, y) in place of the monitor's; their luminance stays the monitor's.
    static void ScriptChromaticity(const char* text, double x, double y) {
        scriptedText = text;
        scriptedX = x, scriptedY = y;
        SimReadingHook = PutScriptedChromaticity;
    }

    static void PutScriptedChromaticity(int, YxyReading* reading) {
        if (std::strstr(HostControls.instructions, scriptedText.c_str()) == nullptr) return;
        reading->x = scriptedX, reading->y = scriptedY, reading->z = 1 - scriptedX - scriptedY;
    }

    static inline std::string scriptedText;
    static inline double scriptedX, scriptedY;

    // Whether the adapter holds ramp, at the adapter's 8-bit precision.
    static bool AdapterHolds(const GammaRamp& ramp) {
        GammaRamp loaded;
        SaveAdapterRamp(&loaded);
        unsigned short want[768], got[768];
        std::memcpy(want, &ramp, sizeof want);
        std::memcpy(got, &loaded, sizeof got);
        for (int i = 0; i < 768; ++i)
            if ((want[i] >> 8) * 257 != got[i]) return false;
        return true;
    }
};
