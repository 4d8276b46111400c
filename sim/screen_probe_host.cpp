// The host's screen probe: the patch and ramp of the virtual screen.
#include "sim/screen_probe.h"

#include "sim/virtual_screen.h"

int ProbeTargetColor(int* red, int* green, int* blue) {
    *red = VirtualScreen.red & 255;
    *green = VirtualScreen.green & 255;
    *blue = VirtualScreen.blue & 255;
    return 0;
}

// An adapter without ramp support still shows pixels through its fixed table,
// which is what the virtual screen holds.
int ProbeAdapterRamp(GammaRamp* ramp) {
    *ramp = VirtualScreen.ramp;
    return 0;
}
