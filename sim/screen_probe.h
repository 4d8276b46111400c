// The simulated colorimeter's eye on the screen: the colour of the patch
// under it and the ramp the adapter applies. The host build reads the virtual
// screen; a Windows build reads the pixel under the target window's centre
// and the adapter's ramp (GetDeviceGammaRamp).
#pragma once

#include "engine/gamma_ramp.h"

// The patch's 8-bit red, green and blue. 0 when seen, 1 when there is none.
int ProbeTargetColor(int* red, int* green, int* blue);
// The ramp in the adapter. 0 when read, 1 when it cannot be read.
int ProbeAdapterRamp(GammaRamp* ramp);
