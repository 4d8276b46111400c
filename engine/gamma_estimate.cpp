// Gamma estimation by grid search: 11 candidates around 2.2 in steps of 0.2,
// then 11 around the best in steps of 0.04, then in steps of 0.004.
#include "engine/gamma_estimate.h"

#include <cmath>

enum { GAMMA_CANDIDATES = 11 };

double GammaFitError(const double* luminances, int n, double gamma) {
    if (n < 3) return 0;
    double span = luminances[n - 1] - luminances[0];
    if (span == 0) return 0; // no scale to fit: every gamma fits equally
    double error = 0;
    for (int k = 1; k < n - 1; ++k) {
        double difference =
            (luminances[k] - luminances[0]) / span - std::pow(k / double(n - 1), gamma);
        error += difference * difference;
    }
    return error;
}

// The first candidate is taken whatever its error; a later one only when
// strictly better, so ties keep the smaller gamma.
static double BestCandidate(const double* luminances, int n, double centre, double step) {
    double best = 0;
    double bestError = 9999;
    for (int i = 0; i < GAMMA_CANDIDATES; ++i) {
        double gamma = centre + step * (i - 5);
        double error = GammaFitError(luminances, n, gamma);
        if (i == 0 || error < bestError) {
            best = gamma;
            bestError = error;
        }
    }
    return best;
}

double EstimateGamma(const double* luminances, int n) {
    double best = BestCandidate(luminances, n, 2.2, 0.2);
    best = BestCandidate(luminances, n, best, 0.04);
    return BestCandidate(luminances, n, best, 0.004);
}
