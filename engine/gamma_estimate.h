// The gamma of a measured grey scale: the power whose curve best fits the
// normalised luminances of evenly spaced greys, by a three-pass grid search.
#pragma once

// Squared error of (k / (n - 1)) ^ gamma against the n luminances normalised
// between their ends, over the inner points only. 0 when n < 3.
double GammaFitError(const double* luminances, int n, double gamma);
// The best gamma from 0.98 to 3.42 in steps of 0.004; ties keep the smaller.
double EstimateGamma(const double* luminances, int n);
