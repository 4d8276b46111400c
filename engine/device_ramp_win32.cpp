// SetDeviceGammaRamp returns TRUE for ramps that Windows' heuristics reject
// without loading them (the platform documents this), so its result alone
// would report a calibration loaded that is not: every load is read back.
#include "engine/device_ramp_win32.h"

#include "engine/ramp_readback.h"

int LoadDeviceRamp(HDC context, const GammaRamp* ramp) {
    if (SetDeviceGammaRamp(context, const_cast<GammaRamp*>(ramp)) != TRUE) return 1;
    GammaRamp held;
    if (GetDeviceGammaRamp(context, &held) != TRUE) return 1;
    return AdapterHoldsRamp(ramp, &held) ? 0 : 1;
}
