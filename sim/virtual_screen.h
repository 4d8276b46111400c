// The host's stand-in for the screen and the adapter: the patch colour the
// target window shows and the gamma ramp the adapter holds. Host builds of the
// UI and adapter seams write it; the simulated colorimeter looks at it, as the
// Windows DLL looks at the real screen and the real adapter.
#pragma once

#include "engine/gamma_ramp.h"

struct VirtualScreen {
    int red, green, blue; // the target patch, 0 to 255 each
    GammaRamp ramp;       // what the adapter applies
    int rampSupported;    // 0: the adapter refuses to read or load a ramp
};

extern struct VirtualScreen VirtualScreen;

// Patch black, linear ramp, ramp supported.
void ResetVirtualScreen();
