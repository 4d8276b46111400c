// The simulated colorimeter toolkit: the six calls the wizard imports, with
// the behaviour it relies on (texts zero-terminated within 256 bytes, 0 for
// CRT and 1 for LCD calibration, dark current before readings, a 32-byte
// reading with z = 1 - x - y), measuring the virtual monitor through the
// screen probe, and failing on request.
#include "sim/sim_toolkit.h"

#include "meter/sipcal.h"
#include "sim/colorimeter_model.h"
#include "sim/monitor_file.h"
#include "sim/screen_probe.h"
#include "sim/virtual_screen.h"
#include "text/text_format.h"
#include "text/text_utils.h"

#include <chrono>
#include <limits>
#include <thread>

namespace {

enum { TOOLKIT_TEXT_SIZE = 256 };

struct MonitorModel DefaultMonitor() {
    struct MonitorModel model;
    DefaultMonitorModel(&model);
    return model;
}

struct NoiseSource noise;

// Takes one of count scripted failures; 1 when this call fails.
int TakeFailure(int* count) {
    if (*count <= 0) return 0;
    --*count;
    return 1;
}

int InRun(int number, int from, int count) {
    return from > 0 && number >= from && number < from + count;
}

void FillToolkitText(char* text, const char* content) {
    if (SimFailures.unterminatedTexts) {
        FillBytes(text, TOOLKIT_TEXT_SIZE, 'S');
        return;
    }
    CopyTextLimited(content, text, TOOLKIT_TEXT_SIZE - 1);
}

// The instrument averages this many dark samples, each as long as a reading,
// so the dark current takes a moment on the screen, as the wizard says.
const int kDarkCurrentSamples = 10;

void WaitReadingTimes(int count) {
    if (VirtualMonitor.readingTime > 0)
        std::this_thread::sleep_for(
            std::chrono::duration<double>(VirtualMonitor.readingTime * count));
}

// The light of the patch on screen now, through the adapter's ramp.
int ProbeLight(double xyz[3]) {
    int red, green, blue;
    GammaRamp ramp;
    if (ProbeTargetColor(&red, &green, &blue) || ProbeAdapterRamp(&ramp)) return 1;
    MonitorXyzForPatch(&VirtualMonitor, &ramp, red, green, blue, xyz);
    return 0;
}

// Without a selection the instrument keeps its CRT calibration.
int WrongCalibration() {
    const int calibration = SimToolkitState.calibration < 0 ? 0 : SimToolkitState.calibration;
    return calibration != (VirtualMonitor.lcd ? 1 : 0);
}

void SpoilReading(int kind, YxyReading* reading) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    switch (kind) {
    case SIM_BAD_NOT_A_NUMBER: reading->Y = reading->x = reading->y = nan; break;
    case SIM_BAD_INFINITE: reading->Y = std::numeric_limits<double>::infinity(); break;
    case SIM_BAD_ZERO_Y: reading->x = 0.3, reading->y = 0.0; break;
    case SIM_BAD_NEGATIVE_LUMINANCE: reading->Y = -5.0; break;
    default: break;
    }
}

// Some instruments give black a luminance but no chromaticity.
void TakeColourOutOfBlack(YxyReading* reading) {
    int red, green, blue;
    if (ProbeTargetColor(&red, &green, &blue) || red || green || blue) return;
    reading->x = reading->y = reading->z = 0;
}

} // namespace

struct SimFailures SimFailures;
void (*SimReadingHook)(int number, YxyReading* reading);
struct SimToolkitState SimToolkitState = {0, -1, 0, 0, 0, 0, 0, 0, 0};
struct MonitorModel VirtualMonitor = DefaultMonitor();
char virtualMonitorProblems[MONITOR_PROBLEMS_SIZE];

void ResetSimToolkit() {
    SimFailures = {};
    SimReadingHook = nullptr;
    SimToolkitState = {};
    SimToolkitState.calibration = -1;
    SeedNoise(&noise, VirtualMonitor.seed);
}

void ResetSimulation() {
    VirtualMonitor = DefaultMonitor();
    ResetSimToolkit();
    ResetVirtualScreen();
}

void SelectVirtualMonitor(const struct MonitorModel* model) {
    VirtualMonitor = *model;
    SeedNoise(&noise, VirtualMonitor.seed);
}

int LoadVirtualMonitorFile(const char* path) {
    struct MonitorModel model;
    const int problems =
        ReadMonitorFile(path, &model, virtualMonitorProblems, MONITOR_PROBLEMS_SIZE);
    SelectVirtualMonitor(&model);
    return problems ? 1 : 0;
}

extern "C" {

SIPCAL_API int SIPCAL_CALL sipOpenUSBChroma(char* firmwareText, int reserved) {
    ++SimToolkitState.openCalls;
    if (!firmwareText || reserved != 0 || TakeFailure(&SimFailures.failingOpens)) return 1;
    char text[TOOLKIT_TEXT_SIZE];
    FormatText(text, TOOLKIT_TEXT_SIZE, "Virtual colorimeter 1.00 on %s", VirtualMonitor.name);
    FillToolkitText(firmwareText, text);
    SimToolkitState.open = 1;
    return 0;
}

SIPCAL_API int SIPCAL_CALL sipGetToolkitRev(char* revisionText) {
    ++SimToolkitState.revisionCalls;
    if (!revisionText) return 1;
    FillToolkitText(revisionText, "SipCal simulated toolkit, revision 1.0");
    return 0;
}

SIPCAL_API int SIPCAL_CALL sipSelectCalibration(int lcd) {
    ++SimToolkitState.selectionCalls;
    if (!SimToolkitState.open || (lcd != 0 && lcd != 1)) return 1;
    if (TakeFailure(&SimFailures.failingSelections)) return 1;
    SimToolkitState.calibration = lcd;
    return 0;
}

SIPCAL_API int SIPCAL_CALL sipSetDarkCurrentEx(void) {
    ++SimToolkitState.darkCurrentCalls;
    if (!SimToolkitState.open) return 1;
    WaitReadingTimes(kDarkCurrentSamples);
    if (TakeFailure(&SimFailures.failingDarkCurrents)) return 1;
    SimToolkitState.darkCurrentSet = 1;
    return 0;
}

SIPCAL_API int SIPCAL_CALL sipAutoMeasureYxy(int mode, YxyReading* reading) {
    const int number = ++SimToolkitState.readingCalls;
    if (!SimToolkitState.open || mode != 1 || !reading) return 1;
    WaitReadingTimes(1);
    double xyz[3];
    if (InRun(number, SimFailures.failingReadingFrom, SimFailures.failingReadingCount) ||
        ProbeLight(xyz))
        return 1;
    MeasureLight(&VirtualMonitor, xyz, WrongCalibration(), SimToolkitState.darkCurrentSet, &noise,
                 reading);
    if (InRun(number, SimFailures.badReadingFrom, SimFailures.badReadingCount))
        SpoilReading(SimFailures.badReadingKind, reading);
    if (SimFailures.colourlessBlack) TakeColourOutOfBlack(reading);
    if (SimReadingHook) SimReadingHook(number, reading);
    return 0;
}

SIPCAL_API int SIPCAL_CALL sipCloseCalibrator(void) {
    ++SimToolkitState.closeCalls;
    const int wasOpen = SimToolkitState.open;
    SimToolkitState.open = 0;
    SimToolkitState.calibration = -1;
    SimToolkitState.darkCurrentSet = 0;
    return !wasOpen || SimFailures.failingClose ? 1 : 0;
}
}
