// Host implementation of the adapter ramp seam over the virtual screen. A
// loaded ramp keeps only the high byte of each entry, as a real adapter under
// Wine does, so a loaded v reads back as (v >> 8) x 257.
#include "engine/adapter_ramp.h"

#include "sim/virtual_screen.h"
#include "tests/support/host_ui.h"

int SaveAdapterRamp(GammaRamp* ramp) {
    if (!VirtualScreen.rampSupported) return 1;
    *ramp = VirtualScreen.ramp;
    return 0;
}

static void StoreAtAdapterPrecision(const unsigned short* source, unsigned short* dest) {
    for (int i = 0; i < 256; ++i)
        dest[i] = static_cast<unsigned short>((source[i] >> 8) * 257);
}

int LoadAdapterRamp(const GammaRamp* ramp) {
    if (!VirtualScreen.rampSupported) {
        AppendHostUiLog("LoadAdapterRamp refused");
        return 1;
    }
    StoreAtAdapterPrecision(ramp->red, VirtualScreen.ramp.red);
    StoreAtAdapterPrecision(ramp->green, VirtualScreen.ramp.green);
    StoreAtAdapterPrecision(ramp->blue, VirtualScreen.ramp.blue);
    AppendHostUiLog("LoadAdapterRamp");
    return 0;
}
