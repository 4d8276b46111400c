// The calibration benchmark: page 7 run exactly as the wizard runs it (the
// page controller, the colorimeter connection, the simulated toolkit over a
// virtual monitor) on a panel of monitors for three targets, with figures of
// how close each calibrated grey scale comes and what 8-bit drive levels
// could reach at best. Prints a table; it is not a test.
#include "engine/adapter_ramp.h"
#include "engine/calibration_record.h"
#include "engine/lookup_tables.h"
#include "meter/colorimeter.h"
#include "sim/sim_toolkit.h"
#include "sim/virtual_screen.h"
#include "tests/bench/grey_scale_figures.h"
#include "tests/support/host_ui.h"
#include "wizard/calibration_settings.h"
#include "wizard/page_controller.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>

#ifndef PRISMOTH_BENCH_MONITORS
#define PRISMOTH_BENCH_MONITORS "tests/bench/monitors"
#endif

enum { PATH_SIZE = 512 };

static const char* const MonitorFiles[] = {
    "srgb_lcd.txt",       "warm_crt.txt",         "cool_lcd.txt",          "wide_gamut_lcd.txt",
    "blue_darks_lcd.txt", "noisy_instrument.txt", "crushed_darks_lcd.txt", "dim_lcd.txt",
};
static const int MonitorCount = sizeof MonitorFiles / sizeof MonitorFiles[0];

struct Target {
    const char* name;
    int whitePointIndex, gammaIndex;
};

static const Target Targets[] = {{"D65/2.2", WHITE_POINT_D65, 0},
                                 {"D50/1.8", WHITE_POINT_D50, 1},
                                 {"D75/2.2", WHITE_POINT_D75, 0}};

struct RunResult {
    int completed, readings, warnings;
    double milliseconds;
    GreyScaleFigures figures;
};

// The wizard as its window opens, connected and on "Attach calibrator".
static int PrepareWizard(const char* path, const Target& target) {
    CloseColorimeter();
    if (LoadVirtualMonitorFile(path) != 0) {
        std::printf("%s: %s", path, virtualMonitorProblems);
        return 1;
    }
    ResetSimToolkit();
    ResetVirtualScreen();
    ResetHostUi();
    CalibrationSettings.monitorType = VirtualMonitor.lcd ? MONITOR_LCD : MONITOR_CRT;
    CalibrationSettings.adjustableBrightness = CalibrationSettings.adjustableColor = 0;
    CalibrationSettings.whitePointIndex = target.whitePointIndex;
    CalibrationSettings.gammaIndex = target.gammaIndex;
    std::strcpy(CalibrationSettings.profileDescription, "Benchmark");
    SetTargetsFromIndexes(target.whitePointIndex, target.gammaIndex);
    MakeLinearRamp(&LinearRamp);
    SaveAdapterRamp(&ExitRamp);
    LoadAdapterRamp(&LinearRamp);
    currentPage = PAGE_SETUP;
    RunCurrentPage();
    AdvancePage();
    AdvancePage();
    return currentPage == PAGE_ATTACH_CALIBRATOR ? 0 : 1;
}

// Next on "Attach calibrator": pages 5 and 6 skip themselves, page 7 runs.
static void RunCalibration(RunResult* result) {
    int readingsBefore = SimToolkitState.readingCalls;
    auto start = std::chrono::steady_clock::now();
    AdvancePage();
    auto end = std::chrono::steady_clock::now();
    result->milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
    result->completed = currentPage == PAGE_CALIBRATION;
    result->readings = SimToolkitState.readingCalls - readingsBefore;
    result->warnings = CountHostUiLog("AskWarning");
}

static int BenchOne(const char* file, const Target& target, RunResult* result) {
    char path[PATH_SIZE];
    std::snprintf(path, PATH_SIZE, "%s/%s", PRISMOTH_BENCH_MONITORS, file);
    *result = {};
    if (PrepareWizard(path, target) != 0) return 1;
    RunCalibration(result);
    if (!result->completed) return 1;
    const struct CalibrationRecord& r = CalibrationRecord;
    MeasureGreyScale(&VirtualMonitor, &VirtualScreen.ramp, r.targetWhiteX, r.targetWhiteY,
                     r.targetGamma, &result->figures);
    return 0;
}

static void PrintHeader() {
    std::printf("%-38s %-7s %4s %2s | %-15s %-15s | %-11s %-11s | %-11s %-11s | %-11s | %7s\n",
                "monitor", "target", "rdgs", "wn", "verify |dx|", "verify |dy|", "verify dE",
                "floor dE", "between dE", "floor dE", "gamma", "ms");
    std::printf("%-38s %-7s %4s %2s | %-15s %-15s | %-11s %-11s | %-11s %-11s | %-11s | %7s\n", "",
                "", "", "", "mean / max", "mean / max", "mean / max", "mean / max", "mean / max",
                "mean / max", "unc -> cor", "");
}

static void PrintRun(const RunResult& run, const Target& target) {
    const GreyScaleFigures& f = run.figures;
    const struct CalibrationRecord& r = CalibrationRecord;
    std::printf("%-38s %-7s %4d %2d | %.4f/%.4f   %.4f/%.4f   | %5.2f/%5.2f %5.2f/%5.2f | "
                "%5.2f/%5.2f %5.2f/%5.2f | %4.2f->%4.2f | %7.2f\n",
                VirtualMonitor.name, target.name, run.readings, run.warnings, f.verifyDx.mean,
                f.verifyDx.largest, f.verifyDy.mean, f.verifyDy.largest, f.verifyDeltaE.mean,
                f.verifyDeltaE.largest, f.verifyFloor.mean, f.verifyFloor.largest,
                f.betweenDeltaE.mean, f.betweenDeltaE.largest, f.betweenFloor.mean,
                f.betweenFloor.largest, r.uncorrectedGamma, r.correctedGamma, run.milliseconds);
}

struct Summary {
    int runs, failed, readings;
    double deltaE, worstDeltaE, between, worstBetween, floor, gammaError, milliseconds;
};

static void AddToSummary(const RunResult& run, Summary* s) {
    if (!run.completed) {
        ++s->failed;
        return;
    }
    const GreyScaleFigures& f = run.figures;
    ++s->runs;
    s->readings += run.readings;
    s->deltaE += f.verifyDeltaE.mean;
    s->worstDeltaE = std::fmax(s->worstDeltaE, f.verifyDeltaE.largest);
    s->between += f.betweenDeltaE.mean;
    s->worstBetween = std::fmax(s->worstBetween, f.betweenDeltaE.largest);
    s->floor += f.verifyFloor.mean;
    s->gammaError += std::fabs(CalibrationRecord.correctedGamma - CalibrationRecord.targetGamma);
    s->milliseconds += run.milliseconds;
}

static void PrintSummary(const Target& target, const Summary& s) {
    int n = s.runs > 0 ? s.runs : 1;
    std::printf("summary %s: %d runs, %d failed; readings %.0f; verify dE mean %.2f (worst %.2f); "
                "between dE mean %.2f (worst %.2f); floor dE mean %.2f; |gamma error| %.3f; "
                "%.1f ms/run\n",
                target.name, s.runs, s.failed, double(s.readings) / n, s.deltaE / n, s.worstDeltaE,
                s.between / n, s.worstBetween, s.floor / n, s.gammaError / n, s.milliseconds / n);
}

int main() {
    Summary summaries[3] = {};
    std::printf("Calibration benchmark: page 7 through the page controller and the simulated "
                "toolkit; figures from the monitor's noiseless light through the loaded ramp.\n"
                "verify = greys 17k (dx, dy over k = 1..15); between = greys 5j off the "
                "verification levels; floor = best 8-bit drive levels per grey.\n");
    PrintHeader();
    for (int t = 0; t < 3; ++t) {
        for (int m = 0; m < MonitorCount; ++m) {
            RunResult run;
            if (BenchOne(MonitorFiles[m], Targets[t], &run) != 0)
                std::printf("%-38s %-7s calibration did not complete\n", MonitorFiles[m],
                            Targets[t].name);
            else
                PrintRun(run, Targets[t]);
            AddToSummary(run, &summaries[t]);
        }
    }
    for (int t = 0; t < 3; ++t)
        PrintSummary(Targets[t], summaries[t]);
    return 0;
}
