// CIELAB and the CIEDE2000 colour difference, for scoring calibrated greys
// against the ideal grey of the target tone curve.
#pragma once

// L*, a*, b* of xyz relative to the reference white (same units).
void LabFromXyz(const double xyz[3], const double white[3], double lab[3]);
// CIEDE2000 with kL = kC = kH = 1.
double DeltaE2000(const double lab1[3], const double lab2[3]);
