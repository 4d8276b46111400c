// Host implementation of the wizard's UI operations for tests and the
// benchmark: every call becomes a line in a log, the controls' visible and
// enabled states are kept in HostControls, message boxes are answered from a
// script, and the target colour goes to the virtual screen that the simulated
// colorimeter looks at. The rules for the cursor and the boxes are the
// wizard's own (message_boxes.cpp); only the system's side is recorded here.
#include "tests/support/host_ui.h"

#include "sim/virtual_screen.h"
#include "text/text_utils.h"
#include "wizard/box_platform.h"
#include "wizard/ui_operations.h"

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <vector>

struct HostControls HostControls;
static std::vector<std::string> uiLog;
static std::deque<char> boxAnswers;
static int defaultAnswers;

void ResetHostUi() {
    HostControls = {};
    HostControls.nextEnabled = HostControls.helpEnabled = HostControls.exitEnabled = 1;
    cursorShown = 1;
    uiLog.clear();
    boxAnswers.clear();
    defaultAnswers = 0;
}

int HostUiLogCount() {
    return static_cast<int>(uiLog.size());
}

const char* HostUiLogLine(int index) {
    if (index < 0 || index >= HostUiLogCount()) return "";
    return uiLog[index].c_str();
}

int FindHostUiLog(const char* line, int from) {
    for (int i = from < 0 ? 0 : from; i < HostUiLogCount(); ++i)
        if (uiLog[i] == line) return i;
    return -1;
}

int CountHostUiLog(const char* prefix) {
    const std::string start(prefix);
    int count = 0;
    for (const std::string& line : uiLog)
        if (line.compare(0, start.size(), start) == 0) ++count;
    return count;
}

std::string HostUiLogText() {
    std::string text;
    for (const std::string& line : uiLog)
        text += line + "\n";
    return text;
}

void ClearHostUiLog() {
    uiLog.clear();
}

void AppendHostUiLog(const std::string& line) {
    uiLog.push_back(line);
}

void QueueBoxAnswers(const char* answers) {
    for (const char* answer = answers; *answer; ++answer)
        boxAnswers.push_back(*answer);
}

int PendingBoxAnswers() {
    return static_cast<int>(boxAnswers.size());
}

static void LogCall(const char* name, const char* text = nullptr) {
    AppendHostUiLog(text ? std::string(name) + " " + text : std::string(name));
}

static void LogNumbers(const char* name, const std::vector<int>& values) {
    std::string line(name);
    for (int value : values)
        line += " " + std::to_string(value);
    AppendHostUiLog(line);
}

// The next scripted answer; 1 for Cancel. An empty script means OK, but a
// test that keeps meeting boxes it never scripted is stopped here.
static int NextBoxAnswer() {
    if (!boxAnswers.empty()) {
        const char answer = boxAnswers.front();
        boxAnswers.pop_front();
        return answer == 'C' || answer == 'c';
    }
    if (++defaultAnswers > HOST_DEFAULT_ANSWER_LIMIT) {
        std::fprintf(stderr, "host UI: more than %d unscripted message boxes; last:\n%s\n",
                     HOST_DEFAULT_ANSWER_LIMIT, uiLog.back().c_str());
        std::abort();
    }
    return 0;
}

static void MoveSystemCursor(int step) {
    HostControls.systemCursorCounter += step;
    if (HostControls.systemCursorCounter < HostControls.lowestCursorCounter)
        HostControls.lowestCursorCounter = HostControls.systemCursorCounter;
    if (HostControls.systemCursorCounter > HostControls.highestCursorCounter)
        HostControls.highestCursorCounter = HostControls.systemCursorCounter;
}

static void EnableMeasuringButtons(int enabled) {
    HostControls.prevEnabled = HostControls.nextEnabled = enabled;
    HostControls.helpEnabled = HostControls.exitEnabled = enabled;
}

void SetPageTitle(const char* text) {
    LogCall("SetPageTitle", text);
    CopyTextLimited(text, HostControls.pageTitle, HOST_TITLE_SIZE - 1);
}

void SetInstructions(const char* text) {
    LogCall("SetInstructions", text);
    CopyTextLimited(text, HostControls.instructions, HOST_INSTRUCTIONS_SIZE - 1);
}

void SetTargetColor(int red, int green, int blue) {
    LogNumbers("SetTargetColor", {red, green, blue});
    VirtualScreen.red = red & 255;
    VirtualScreen.green = green & 255;
    VirtualScreen.blue = blue & 255;
}

void ShowTargetWindow() {
    LogCall("ShowTargetWindow");
    HostControls.targetVisible = 1;
}

void HideTargetWindow() {
    LogCall("HideTargetWindow");
    HostControls.targetVisible = 0;
}

void ShowBrightnessWindow() {
    LogCall("ShowBrightnessWindow");
    HostControls.brightnessVisible = 1;
}

void HideBrightnessWindow() {
    LogCall("HideBrightnessWindow");
    HostControls.brightnessVisible = 0;
}

void RepaintBrightnessWindow() {
    LogCall("RepaintBrightnessWindow");
}

void ShowGaugeWindow() {
    LogCall("ShowGaugeWindow");
    HostControls.gaugeVisible = 1;
}

void HideGaugeWindow() {
    LogCall("HideGaugeWindow");
    HostControls.gaugeVisible = 0;
}

void SetGaugeValues(int pointersShown, int red, int green, int blue) {
    LogNumbers("SetGaugeValues", {pointersShown, red, green, blue});
    HostControls.gaugePointersShown = pointersShown;
    HostControls.gaugeRed = red;
    HostControls.gaugeGreen = green;
    HostControls.gaugeBlue = blue;
}

void ShowResultsWindow() {
    LogCall("ShowResultsWindow");
    HostControls.resultsVisible = 1;
}

void ShowSaveButtons() {
    LogCall("ShowSaveButtons");
    HostControls.saveButtonsVisible = 1;
}

void EnableTryAgain() {
    LogCall("EnableTryAgain");
    HostControls.tryAgainEnabled = 1;
}

void DisableTryAgain() {
    LogCall("DisableTryAgain");
    HostControls.tryAgainEnabled = 0;
}

void BeginMeasuring() {
    LogCall("BeginMeasuring");
    HideMouseCursor();
    EnableMeasuringButtons(0);
}

void EndMeasuring() {
    LogCall("EndMeasuring");
    ShowMouseCursor();
    EnableMeasuringButtons(1);
}

void ShowSystemCursor(int show) {
    LogCall(show ? "ShowMouseCursor" : "HideMouseCursor");
    MoveSystemCursor(show ? 1 : -1);
}

int ShowModalBox(int kind, const char* text) {
    static const char* const names[] = {"ShowErrorMessage", "AskWarning", "AskRetry"};
    LogCall(names[kind], text);
    if (HostControls.systemCursorCounter < 0) ++HostControls.boxesWithCursorHidden;
    return NextBoxAnswer();
}

void Beep() {
    LogCall("Beep");
    ++HostControls.beeps;
}

void ShowSetupForm() {
    LogCall("ShowSetupForm");
    CopyTextLimited("Setup", HostControls.pageTitle, HOST_TITLE_SIZE - 1);
    HostControls.setupFormVisible = 1;
}

void RepaintInstructionsPanel() {
    LogCall("RepaintInstructionsPanel");
}
