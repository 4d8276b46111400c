// The loader's start-up: the checks that must pass, in their order of
// precedence, before the calibrated lookup table goes into the adapter; the
// loader's ramps and its command-line switch.
#pragma once

#include "engine/gamma_ramp.h"

extern GammaRamp CalibratedRamp; // from the profile's lookup-table tag
extern GammaRamp FlatRamp;       // entry i = 257 i
extern int ManualMode;           // the command line is the word "manual"

// Runs the six start-up checks; on the first that fails shows its message
// (caption "Error", no owner) and returns 1. 0 when the calibrated ramp has
// been read from the last saved profile.
int RunLoaderChecks();

// 1 when the command line is exactly the word manual, in any letter case.
int IsManualCommandLine(const char* commandLine);

// The part of path after its last backslash or colon; the whole path when it
// has neither.
const char* FileNameOfPath(const char* path);
