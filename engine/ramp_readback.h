// Whether the adapter holds a ramp that was loaded into it. Windows may report
// a load as done and set nothing (its heuristics refuse ramps they dislike), so
// a load counts only once the ramp read back from the adapter agrees with it.
#pragma once

#include "engine/gamma_ramp.h"

// 1 when every entry of readBack lies within one 8-bit step of the same entry
// of loaded, compared in 8-bit levels (the high byte): adapters keep 8 bits or
// more (Wine reads v back as (v >> 8) x 257), and one whose table has another
// size than 256 resamples the values by up to a step. Else 0.
int AdapterHoldsRamp(const GammaRamp* loaded, const GammaRamp* readBack);
