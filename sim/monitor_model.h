// A virtual monitor: what a patch colour on screen becomes as light, in
// absolute XYZ (cd/m2), through the adapter's gamma ramp, the panel's tone
// response and controls, its primaries and its black level. Shared by the
// simulated colorimeter, the host tests and the benchmark, so that all of
// them see one display.
//
// The model, per channel c with panel drive d = level / 255 (the ramp entry's
// high byte: adapters keep 8 bits):
//   n_c(d) = max(0, contrast * gain_c * d + brightness) ^ gamma_c
// so brightness is an offset before the power (raising it lifts black and
// every dark grey, lowering it crushes darks) and contrast and the gains
// scale the signal (white). At the factory settings (brightness 0, contrast
// and gains 1) n_c(1) = 1. The channels' full-drive luminances are solved so
// that full white plus the black leak gives exactly whiteLuminance at the
// white point; the leak (blackLuminance at blackChromaticity) is always there.
// An LCD adds two departures from an ideal additive display: each channel
// loses crosstalk * (mean drive of the other two) of its light (so the
// primaries add up to more than white), and each channel's chromaticity
// drifts by darkDrift * (1 - d)^2 at low drive. A CRT has neither.
#pragma once

#include "engine/gamma_ramp.h"

enum { MONITOR_NAME_SIZE = 64 };
enum { CHANNEL_RED = 0, CHANNEL_GREEN = 1, CHANNEL_BLUE = 2 };

struct MonitorModel {
    char name[MONITOR_NAME_SIZE];
    int lcd;                     // 1 LCD, 0 CRT
    double whiteLuminance;       // cd/m2 of full white at factory settings
    double whitePoint[2];        // x, y of full white
    double primaries[3][2];      // x, y of red, green, blue at full drive
    double gamma[3];             // tone response exponent per channel
    double blackLuminance;       // cd/m2 of the leak that is always there
    double blackChromaticity[2]; // x, y of the leak
    double brightness;           // offset added to the normalised drive
    double contrast;             // scale of the normalised drive, all channels
    double gain[3];              // scale of the normalised drive per channel
    double crosstalk;            // LCD: light lost with the other channels full
    double darkDrift[2];         // LCD: x, y shift of a channel at drive 0
    double noise;                // instrument: relative standard deviation of Y
    double noiseFloor;           // instrument: absolute deviation of Y, cd/m2
    double chromaNoise;          // instrument: deviation of x and y in bright light
    unsigned seed;               // instrument: noise sequence start
    double readingTime;          // instrument: seconds per reading (0: instant)
};

// An sRGB-like LCD of 120 cd/m2 with a 0.4 cd/m2 slightly blue black.
void DefaultMonitorModel(struct MonitorModel* model);

// 0 when the primaries enclose the white point and the black leak is below
// white, so that every channel has a positive luminance; 1 otherwise.
int CheckMonitorGeometry(const struct MonitorModel* model);

// Light the panel gives for 8-bit panel drive levels (what reaches the panel
// after the ramp), without instrument error: XYZ in cd/m2.
void MonitorXyzForDrive(const struct MonitorModel* model, int red, int green, int blue,
                        double xyz[3]);

// The panel drive level for a patch value through one block of a ramp.
int PanelDriveLevel(const unsigned short* rampBlock, int value);

// Light of a patch colour (0 to 255 each) shown through the adapter's ramp.
void MonitorXyzForPatch(const struct MonitorModel* model, const GammaRamp* ramp, int red, int green,
                        int blue, double xyz[3]);

// XYZ of luminance Y (cd/m2) at chromaticity x, y.
void XyzFromChromaticity(double x, double y, double luminance, double xyz[3]);
