// Monotone piecewise cubic interpolation: knot slopes limited so that the
// curve never overshoots between knots, sampled into a 256-entry table. The
// calibration ramp of each channel is one such table.
#pragma once

enum { MONOTONE_MAX_KNOTS = 64 };

// Fills table with the curve through the n knots (xs[k], ys[k]) sampled at
// i / 255 and scaled by 255. The abscissae must rise strictly from 0 to 1 and
// the ordinates lie in 0 to 1. 1, leaving table alone, when n is not 2 to
// MONOTONE_MAX_KNOTS or the abscissae do not rise strictly.
int MonotoneCurveTable(int n, const double* xs, const double* ys, unsigned char* table);

// The limited slope at each of the n knots (2 to MONOTONE_MAX_KNOTS).
void MonotoneSlopes(int n, const double* xs, const double* ys, double* slopes);

// The cubic Hermite curve through (x0, y0) and (x1, y1) with slopes m0, m1.
double HermiteValue(double t, double x0, double x1, double y0, double y1, double m0, double m1);
