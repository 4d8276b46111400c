// Control of the simulated colorimeter toolkit, which implements the six
// calls of meter/sipcal.h over the virtual monitor. Tests choose the monitor,
// script failures and read what was called; a Windows DLL build of the same
// toolkit calls LoadVirtualMonitorFile once and then only takes calls.
#pragma once

#include "meter/yxy_reading.h"
#include "sim/monitor_model.h"

// Ways a reading that the toolkit reports as taken can still be unusable.
enum {
    SIM_BAD_NONE = 0,
    SIM_BAD_NOT_A_NUMBER = 1,      // Y, x, y are NaN
    SIM_BAD_INFINITE = 2,          // Y is infinite
    SIM_BAD_ZERO_Y = 3,            // chromaticity y is 0
    SIM_BAD_NEGATIVE_LUMINANCE = 4 // Y is -5 cd/m2
};

// Failures to show. Counts run down as the calls fail; reading numbers count
// every sipAutoMeasureYxy call since ResetSimToolkit, from 1.
struct SimFailures {
    int failingOpens;        // open calls that fail first (not connected)
    int failingSelections;   // calibration selections that fail first
    int failingDarkCurrents; // dark current measurements that fail first
    int failingReadingFrom;  // first reading number that fails, 0 for none
    int failingReadingCount; // how many readings in a row fail
    int badReadingFrom;      // first reading number reported taken but bad
    int badReadingCount;
    int badReadingKind;    // SIM_BAD_...
    int failingClose;      // the close call reports a failure
    int unterminatedTexts; // firmware and revision fill 256 bytes, no zero
    int colourlessBlack;   // readings of the patch (0, 0, 0) give x = y = z = 0
};

// What the toolkit was asked and where it stands.
struct SimToolkitState {
    int open;
    int calibration; // -1 none selected yet, 0 CRT, 1 LCD
    int darkCurrentSet;
    int openCalls, revisionCalls, selectionCalls, darkCurrentCalls, readingCalls, closeCalls;
};

enum { MONITOR_PROBLEMS_SIZE = 1024 };

extern struct SimFailures SimFailures;
// Called, when set, with every reading the toolkit is about to report as
// taken and its number, so that a test can put any reading in its place.
extern void (*SimReadingHook)(int number, struct YxyReading* reading);
extern struct SimToolkitState SimToolkitState;
// The monitor the toolkit measures (the defaults until one is chosen).
extern struct MonitorModel VirtualMonitor;
// What LoadVirtualMonitorFile found wrong, one problem a line.
extern char virtualMonitorProblems[MONITOR_PROBLEMS_SIZE];

// Closed, nothing selected, no failures, no hook, counters 0, the noise
// sequence restarted from VirtualMonitor.seed. The monitor stays as chosen.
void ResetSimToolkit();
// The default monitor, ResetSimToolkit, and a black patch on a linear ramp:
// the start of every test that measures.
void ResetSimulation();
// Measures model from now on; restarts the noise sequence from its seed.
void SelectVirtualMonitor(const struct MonitorModel* model);
// Reads a monitor description file and measures it from now on (defaults
// where the file fails). 0 when read without problems, else 1.
int LoadVirtualMonitorFile(const char* path);
