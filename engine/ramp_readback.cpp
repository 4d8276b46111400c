// The read-back comparison that decides whether a ramp load took effect.
#include "engine/ramp_readback.h"

static const int kAllowedSteps = 1;

static int BlockHeld(const unsigned short* wanted, const unsigned short* held) {
    for (int i = 0; i < 256; ++i) {
        const int difference = (wanted[i] >> 8) - (held[i] >> 8);
        if (difference > kAllowedSteps || difference < -kAllowedSteps) return 0;
    }
    return 1;
}

int AdapterHoldsRamp(const GammaRamp* loaded, const GammaRamp* readBack) {
    return BlockHeld(loaded->red, readBack->red) && BlockHeld(loaded->green, readBack->green) &&
           BlockHeld(loaded->blue, readBack->blue);
}
