// The seam to the display adapter's gamma ramp. The Windows build reads and
// loads it through a device context of the main window; the host build keeps
// it in the virtual screen that the simulated colorimeter looks at.
#pragma once

#include "engine/gamma_ramp.h"

// Reads the adapter's current ramp. 0 when read, 1 when the adapter refused.
int SaveAdapterRamp(GammaRamp* ramp);
// Loads ramp into the adapter and repaints the main window through it.
// 0 when loaded, 1 when the adapter refused or does not hold the ramp
// afterwards (nothing else is done then).
int LoadAdapterRamp(const GammaRamp* ramp);
