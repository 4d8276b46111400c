// Controls of the host's output files, for tests: failed or short writes
// and a fixed clock, as a real disk and a real day can produce them.
#pragma once

struct OutputSimulation {
    int failWrites; // not 0: every write fails
    int writeLimit; // 0 or more: a write stores at most this many bytes
    int dateStamp;  // not 0: LocalDateStamp reports this date
    int timeStamp;  // used with dateStamp: LocalTimeStamp reports this time
};

// Starts as {0, -1, 0, 0}: real writes, the real clock.
extern struct OutputSimulation OutputSimulation;
