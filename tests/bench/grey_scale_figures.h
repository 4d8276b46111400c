// How close a calibrated grey scale comes to its target, judged on the
// virtual monitor's noiseless light: chromaticity against the target white,
// CIEDE2000 against the ideal grey of the target tone curve, and the floor
// that the best 8-bit drive levels could reach for each grey.
#pragma once

#include "engine/gamma_ramp.h"
#include "sim/monitor_model.h"

// Mean and largest of a set of values.
struct Spread {
    double mean, largest;
};

struct GreyScaleFigures {
    Spread verifyDx, verifyDy; // greys 17 k, k = 1 ... 15 (black is the panel's leak)
    Spread verifyDeltaE;       // greys 17 k, k = 0 ... 15
    Spread verifyFloor;        // best 8-bit drive levels for the same greys
    Spread betweenDeltaE;      // greys 5 j that are not verification greys
    Spread betweenFloor;
};

// Figures for the greys shown through ramp on model, against the target
// white (x, y) and gamma, with black and white as the ramp shows them.
void MeasureGreyScale(const struct MonitorModel* model, const GammaRamp* ramp, double targetX,
                      double targetY, double gamma, struct GreyScaleFigures* figures);
