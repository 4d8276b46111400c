// Loading a gamma ramp into the display adapter on a device context, as both
// programs do, with the check that the adapter really took it.
#pragma once

#include <windows.h>

#include "engine/gamma_ramp.h"

// Sets ramp and reads the adapter's ramp back. 0 when the system reported the
// load done and the adapter holds the ramp; 1 when it refused, or reported
// success without applying it (or the ramp cannot be read back to tell).
int LoadDeviceRamp(HDC context, const GammaRamp* ramp);
