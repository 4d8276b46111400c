// Ramp commands: load a known ramp into the adapter before a program starts,
// and check or save what the program left there. Ramps are compared by their
// top 8 bits, the precision the adapter keeps (Wine stores v as (v >> 8) *
// 257), so the same check holds on hardware that keeps more.
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "tests/driver/driver_commands_win32.h"
#include "tests/driver/driver_win32.h"

namespace {

const int kEntries = 768;

void MakeGammaRamp(double gamma, WORD ramp[kEntries]) {
    for (int i = 0; i < kEntries; ++i)
        ramp[i] = static_cast<WORD>(std::lround(65535.0 * std::pow((i % 256) / 255.0, gamma)));
}

int ReadRampFile(const char* path, WORD ramp[kEntries]) {
    char windowsPath[DRIVER_PATH_CAPACITY];
    ToWindowsPath(path, windowsPath, sizeof windowsPath);
    FILE* in = fopen(windowsPath, "r");
    if (!in) return Fail("cannot open %s", path);
    int count = 0;
    unsigned value;
    while (count < kEntries && fscanf(in, "%u", &value) == 1 && value <= 65535)
        ramp[count++] = static_cast<WORD>(value);
    fclose(in);
    return count == kEntries ? 0 : Fail("%s holds no ramp of 768 levels", path);
}

// linear | gamma G | file PATH, from word 1 on.
int RampFromWords(const ScriptLine* line, WORD ramp[kEntries]) {
    const char* kind = Arg(line, 1);
    if (!lstrcmpA(kind, "linear")) {
        MakeGammaRamp(1.0, ramp);
        return 0;
    }
    if (!lstrcmpA(kind, "gamma") && line->count == 3) {
        MakeGammaRamp(atof(Arg(line, 2)), ramp);
        return 0;
    }
    if (!lstrcmpA(kind, "file") && line->count == 3) return ReadRampFile(Arg(line, 2), ramp);
    return Fail("a ramp is linear, gamma G or file PATH");
}

const char* ChannelName(int i) {
    return i < 256 ? "red" : i < 512 ? "green" : "blue";
}

} // namespace

int RampSet(const ScriptLine* line) {
    WORD ramp[kEntries];
    return RampFromWords(line, ramp) || WriteAdapterRamp(ramp);
}

int RampExpect(const ScriptLine* line) {
    WORD expected[kEntries], actual[kEntries];
    if (RampFromWords(line, expected) || ReadAdapterRamp(actual)) return 1;
    for (int i = 0; i < kEntries; ++i) {
        if ((actual[i] >> 8) != (expected[i] >> 8))
            return Fail("the adapter's %s[%d] is %d, expected %d (at 8 bits)", ChannelName(i),
                        i % 256, actual[i], expected[i]);
    }
    return 0;
}

int RampDiffers(const ScriptLine* line) {
    WORD other[kEntries], actual[kEntries];
    if (RampFromWords(line, other) || ReadAdapterRamp(actual)) return 1;
    for (int i = 0; i < kEntries; ++i)
        if ((actual[i] >> 8) != (other[i] >> 8)) return 0;
    return Fail("the adapter's ramp is that ramp (at 8 bits)");
}

int RampSave(const ScriptLine* line) {
    WORD ramp[kEntries];
    if (ReadAdapterRamp(ramp)) return 1;
    char path[DRIVER_PATH_CAPACITY];
    ToWindowsPath(Arg(line, 1), path, sizeof path);
    FILE* out = fopen(path, "w");
    if (!out) return Fail("cannot write %s", path);
    for (int i = 0; i < kEntries; ++i)
        fprintf(out, "%u%c", ramp[i], i % 16 == 15 ? '\n' : ' ');
    return fclose(out) ? Fail("cannot write %s", path) : 0;
}
