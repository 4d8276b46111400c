// Small arithmetic on the calibration record: rounding, the largest of three
// drive levels, and the conversions between readings, relative XYZ and
// chromaticity that the measuring pages share.
#pragma once

// Half away from zero: 2.5 gives 3, -2.5 gives -3.
int RoundToInt(double x);
int Max3(int a, int b, int c);

// Sets targetWhiteX and targetWhiteY from targetWhiteXYZ.
void TargetWhiteChromaticity();
// Sets whiteXYZ from reading slot 0 and the primaries' chromaticities from
// slots 1, 2 and 3. 1, changing nothing, when the white reading has no usable
// chromaticity (y not above 0, or not a number).
int StoreWhiteAndPrimaries();
// Sets redXYZ, greenXYZ and blueXYZ from the chromaticities, scaled so that
// they add up to ReferenceWhiteD50. 1, changing nothing, when the primaries
// cannot make that white (collinear, or the white outside their triangle).
int ComputePrimariesXYZ();
