// CIELAB from XYZ and the CIEDE2000 difference, written from the formula
// (hue angles in degrees, the mean hue taken across the 0/360 seam).
#include "tests/bench/colour_difference.h"

#include <cmath>

static const double Pi = 3.14159265358979323846;

static double LabCompress(double ratio) {
    const double epsilon = 216.0 / 24389.0; // (6 / 29) ^ 3
    if (ratio > epsilon) return std::cbrt(ratio);
    return ratio * (24389.0 / 27.0) / 116.0 + 16.0 / 116.0;
}

void LabFromXyz(const double xyz[3], const double white[3], double lab[3]) {
    double fx = LabCompress(xyz[0] / white[0]);
    double fy = LabCompress(xyz[1] / white[1]);
    double fz = LabCompress(xyz[2] / white[2]);
    lab[0] = 116 * fy - 16;
    lab[1] = 500 * (fx - fy);
    lab[2] = 200 * (fy - fz);
}

static double Radians(double degrees) {
    return degrees * Pi / 180;
}

static double HueDegrees(double b, double a) {
    if (a == 0 && b == 0) return 0;
    double hue = std::atan2(b, a) * 180 / Pi;
    return hue < 0 ? hue + 360 : hue;
}

// C^7 / (C^7 + 25^7): how fully chromatic a colour is, for G and RC.
static double ChromaWeight(double chroma) {
    double c7 = std::pow(chroma, 7);
    return c7 / (c7 + 6103515625.0);
}

static double HueDifference(double h1, double h2, double chromaProduct) {
    if (chromaProduct == 0) return 0;
    double d = h2 - h1;
    if (d > 180) return d - 360;
    if (d < -180) return d + 360;
    return d;
}

static double MeanHue(double h1, double h2, double chromaProduct) {
    if (chromaProduct == 0) return h1 + h2;
    if (std::fabs(h1 - h2) <= 180) return (h1 + h2) / 2;
    return h1 + h2 < 360 ? (h1 + h2 + 360) / 2 : (h1 + h2 - 360) / 2;
}

double DeltaE2000(const double lab1[3], const double lab2[3]) {
    double meanChroma = (std::hypot(lab1[1], lab1[2]) + std::hypot(lab2[1], lab2[2])) / 2;
    double g = 0.5 * (1 - std::sqrt(ChromaWeight(meanChroma)));
    double a1 = (1 + g) * lab1[1], a2 = (1 + g) * lab2[1];
    double c1 = std::hypot(a1, lab1[2]), c2 = std::hypot(a2, lab2[2]);
    double h1 = HueDegrees(lab1[2], a1), h2 = HueDegrees(lab2[2], a2);
    double dL = lab2[0] - lab1[0];
    double dC = c2 - c1;
    double dH = 2 * std::sqrt(c1 * c2) * std::sin(Radians(HueDifference(h1, h2, c1 * c2)) / 2);
    double meanL = (lab1[0] + lab2[0]) / 2;
    double meanC = (c1 + c2) / 2;
    double meanH = MeanHue(h1, h2, c1 * c2);
    double t = 1 - 0.17 * std::cos(Radians(meanH - 30)) + 0.24 * std::cos(Radians(2 * meanH)) +
               0.32 * std::cos(Radians(3 * meanH + 6)) - 0.20 * std::cos(Radians(4 * meanH - 63));
    double rotation = 30 * std::exp(-std::pow((meanH - 275) / 25, 2));
    double rc = 2 * std::sqrt(ChromaWeight(meanC));
    double lightness50 = (meanL - 50) * (meanL - 50);
    double sL = 1 + 0.015 * lightness50 / std::sqrt(20 + lightness50);
    double sC = 1 + 0.045 * meanC;
    double sH = 1 + 0.015 * meanC * t;
    double rT = -std::sin(Radians(2 * rotation)) * rc;
    double l = dL / sL, c = dC / sC, h = dH / sH;
    return std::sqrt(l * l + c * c + h * h + rT * c * h);
}
