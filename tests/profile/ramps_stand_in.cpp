// The wizard's three ramps for the tests until the engine defines them.
#include "engine/gamma_ramp.h"

GammaRamp LinearRamp;
GammaRamp CorrectionRamp;
GammaRamp ExitRamp;
