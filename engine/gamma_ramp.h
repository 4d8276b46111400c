// The adapter's hardware colour lookup table: 256 red, 256 green, 256 blue
// 16-bit output levels (1536 bytes), laid out exactly as GetDeviceGammaRamp
// and SetDeviceGammaRamp take them.
#pragma once

struct GammaRamp {
    unsigned short red[256];
    unsigned short green[256];
    unsigned short blue[256];
};

static_assert(sizeof(GammaRamp) == 1536, "a gamma ramp is 768 16-bit entries");

// The wizard's three ramps: entry i = 257 i; the calibration ramp; and what the
// adapter gets back at exit (the start-up ramp until a calibration replaces it).
extern GammaRamp LinearRamp;
extern GammaRamp CorrectionRamp;
extern GammaRamp ExitRamp;
