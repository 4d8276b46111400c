// Monotone cubic Hermite interpolation. Slopes start as the mean of the
// neighbouring secants, are zeroed on flat intervals and at local extremes,
// and are then scaled down by a per-interval factor so that no piece of the
// curve turns back between its knots.
#include "engine/monotone_curve.h"

#include "engine/colour_arithmetic.h"

#include <cmath>

static const double FlatSecant = 1e-10;

static void SecantsAndStartSlopes(int n, const double* xs, const double* ys, double* secants,
                                  double* slopes) {
    for (int k = 0; k < n - 1; ++k)
        secants[k] = (ys[k + 1] - ys[k]) / (xs[k + 1] - xs[k]);
    slopes[0] = secants[0];
    slopes[n - 1] = secants[n - 2];
    for (int k = 1; k < n - 1; ++k)
        slopes[k] = (secants[k - 1] + secants[k]) * 0.5;
}

// Flat intervals get flat ends, local extremes a zero slope, and no slope may
// point against its interval's secant.
static void ZeroTurningSlopes(int n, const double* secants, double* slopes) {
    for (int k = 0; k < n - 2; ++k) {
        if (std::fabs(secants[k]) <= FlatSecant) {
            slopes[k] = 0;
            slopes[k + 1] = 0;
        } else if (secants[k] * secants[k + 1] < 0) {
            slopes[k + 1] = 0;
        }
    }
    if (std::fabs(secants[n - 2]) <= FlatSecant) {
        slopes[n - 2] = 0;
        slopes[n - 1] = 0;
    }
    for (int k = 0; k < n - 1; ++k) {
        if (secants[k] * slopes[k] < 0) slopes[k] = 0;
        if (secants[k] * slopes[k + 1] < 0) slopes[k + 1] = 0;
    }
}

// How much the slopes of one interval must shrink to keep it monotone.
static double LimitingFactor(double secant, double m0, double m1) {
    double a = 0;
    if (std::fabs(m0) + std::fabs(m1) > FlatSecant) {
        double a1 = (2 * m0 + m1) / (3 * secant);
        double a2 = (m0 + 2 * m1) / (3 * secant);
        if ((1 - a1) * (a2 - 1) < 0) a = a1 < a2 ? a1 : a2;
    }
    double b = 0;
    if (std::fabs(secant) >= FlatSecant)
        b = (m0 + m1) / (3 * secant) - std::sqrt(m0 * m1) / std::fabs(3 * secant);
    double tau = 1;
    if (a > 1) tau = a;
    if (b > tau) tau = b;
    return tau;
}

void MonotoneSlopes(int n, const double* xs, const double* ys, double* slopes) {
    if (n == 2) {
        slopes[0] = slopes[1] = (ys[1] - ys[0]) / (xs[1] - xs[0]);
        return;
    }
    double secants[MONOTONE_MAX_KNOTS];
    double factors[MONOTONE_MAX_KNOTS];
    SecantsAndStartSlopes(n, xs, ys, secants, slopes);
    ZeroTurningSlopes(n, secants, slopes);
    for (int k = 0; k < n - 1; ++k)
        factors[k] = LimitingFactor(secants[k], slopes[k], slopes[k + 1]);
    slopes[0] /= factors[0];
    slopes[n - 1] /= factors[n - 2];
    for (int k = 1; k < n - 1; ++k)
        slopes[k] /= factors[k - 1] > factors[k] ? factors[k - 1] : factors[k];
}

double HermiteValue(double t, double x0, double x1, double y0, double y1, double m0, double m1) {
    double h = x1 - x0;
    double u = (t - x0) / h;
    double u2 = u * u;
    double u3 = u2 * u;
    return y0 * (2 * u3 - 3 * u2 + 1) + y1 * (3 * u2 - 2 * u3) + m0 * h * (u3 - 2 * u2 + u) +
           m1 * h * (u3 - u2);
}

static int RisesStrictly(int n, const double* xs) {
    for (int k = 0; k < n - 1; ++k)
        if (!(xs[k + 1] > xs[k])) return 0;
    return 1;
}

// 255 x value rounded, held to a byte: rounding may not wrap past 0 or 255.
static unsigned char ByteOfValue(double value) {
    double scaled = 255 * value;
    if (!(scaled > 0)) return 0;
    if (scaled >= 255) return 255;
    return static_cast<unsigned char>(RoundToInt(scaled));
}

int MonotoneCurveTable(int n, const double* xs, const double* ys, unsigned char* table) {
    if (n < 2 || n > MONOTONE_MAX_KNOTS || !RisesStrictly(n, xs)) return 1;
    double slopes[MONOTONE_MAX_KNOTS];
    MonotoneSlopes(n, xs, ys, slopes);
    int k = 0; // the interval [xs[k], xs[k + 1]]; entries only move it forward
    for (int i = 0; i < 256; ++i) {
        double t = i / 255.0;
        while (t > xs[k + 1] && k + 2 < n)
            ++k;
        table[i] = ByteOfValue(
            HermiteValue(t, xs[k], xs[k + 1], ys[k], ys[k + 1], slopes[k], slopes[k + 1]));
    }
    return 0;
}
