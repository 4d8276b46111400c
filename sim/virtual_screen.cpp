// Storage of the host's virtual screen.
#include "sim/virtual_screen.h"

struct VirtualScreen VirtualScreen;

void ResetVirtualScreen() {
    VirtualScreen.red = VirtualScreen.green = VirtualScreen.blue = 0;
    for (int i = 0; i < 256; ++i) {
        const unsigned short level = static_cast<unsigned short>(257 * i);
        VirtualScreen.ramp.red[i] = VirtualScreen.ramp.green[i] = VirtualScreen.ramp.blue[i] =
            level;
    }
    VirtualScreen.rampSupported = 1;
}
