// The test side of the host's UI operations: the state of the controls the
// page controller shows, hides, enables and disables, a readable log of every
// UI call (one line each, e.g. "SetTargetColor 255 255 255"), and a script of
// answers for the modal boxes. Tests read and reset it between cases.
#pragma once

#include <string>

enum { HOST_TITLE_SIZE = 256, HOST_INSTRUCTIONS_SIZE = 4096 };
// Boxes answered by default (OK) before the host decides a test loops forever.
enum { HOST_DEFAULT_ANSWER_LIMIT = 1000 };

struct HostControls {
    int prevEnabled, nextEnabled, tryAgainEnabled, helpEnabled, exitEnabled;
    int setupFormVisible, saveButtonsVisible;
    int targetVisible, brightnessVisible, gaugeVisible, resultsVisible;
    char pageTitle[HOST_TITLE_SIZE];
    char instructions[HOST_INSTRUCTIONS_SIZE];
    int gaugePointersShown, gaugeRed, gaugeGreen, gaugeBlue;
    // The system's cursor display counter, as Windows keeps it: 0 visible,
    // below 0 hidden. The wizard must never take it below -1 or above 0.
    int systemCursorCounter;
    int lowestCursorCounter, highestCursorCounter;
    int boxesWithCursorHidden; // boxes that were open while the cursor was hidden
    int beeps;
};

extern struct HostControls HostControls;

// Controls as the main window creates them (Prev disabled, Next, Help, Exit
// enabled, everything optional hidden), cursorShown 1, log and script empty.
void ResetHostUi();

// The log: one line per UI call, in order.
int HostUiLogCount();
const char* HostUiLogLine(int index);
// Index of the first line equal to line at or after from, or -1.
int FindHostUiLog(const char* line, int from = 0);
// Number of lines that begin with prefix.
int CountHostUiLog(const char* prefix);
// The whole log, lines ended by "\n" (for readable test failures).
std::string HostUiLogText();
void ClearHostUiLog();
// Adds a line; the host's adapter seam logs its loads here too.
void AppendHostUiLog(const std::string& line);

// Queues answers for AskRetry and AskWarning, taken in order by whichever box
// comes next: 'O' for OK, 'C' for Cancel (e.g. "OOC"). An empty queue answers
// OK; after HOST_DEFAULT_ANSWER_LIMIT such answers the process aborts.
void QueueBoxAnswers(const char* answers);
int PendingBoxAnswers();
