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

// Entry k of the 768 in red, green, blue order, the order in which the profile
// stores them; both programs walk the ramp this way.
inline unsigned short* RampEntry(GammaRamp* ramp, int k) {
    unsigned short* block = k < 256 ? ramp->red : k < 512 ? ramp->green : ramp->blue;
    return block + k % 256;
}
inline unsigned short RampEntry(const GammaRamp& ramp, int k) {
    return *RampEntry(const_cast<GammaRamp*>(&ramp), k);
}

// The wizard's three ramps: entry i = 257 i; the calibration ramp; and what the
// adapter gets back at exit (the start-up ramp until a calibration replaces it).
extern GammaRamp LinearRamp;
extern GammaRamp CorrectionRamp;
extern GammaRamp ExitRamp;
