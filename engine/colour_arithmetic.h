// Small arithmetic on the calibration record: rounding, the largest of three
// drive levels, and the conversions between readings, relative XYZ and
// chromaticity that the measuring pages share.
#pragma once

#include "meter/yxy_reading.h"

// Half away from zero: 2.5 gives 3, -2.5 gives -3.
int RoundToInt(double x);
int Max3(int a, int b, int c);

// 1 when a reading has a chromaticity to compute with: x, y and z finite and
// y above 0. Readings of black may have none.
int ChromaticityIsUsable(const YxyReading* reading);

// Sets targetWhiteX and targetWhiteY from targetWhiteXYZ.
void TargetWhiteChromaticity();
// Sets whiteXYZ from reading slot 0 and the primaries' chromaticities from
// slots 1, 2 and 3. 1, changing nothing, when one of the four readings has no
// usable chromaticity.
int StoreWhiteAndPrimaries();
// Sets redXYZ, greenXYZ and blueXYZ from the chromaticities, scaled so that
// they add up to ReferenceWhiteD50. 1, changing nothing, when the primaries
// cannot make that white (collinear, or the white outside their triangle).
int ComputePrimariesXYZ();
