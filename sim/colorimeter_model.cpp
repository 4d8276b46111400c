// Instrument errors of the virtual colorimeter; see the header.
#include "sim/colorimeter_model.h"

#include <cmath>

namespace {

// The wrong display calibration mixes the sensor channels slightly
// differently: a few percent on X and Z, two on Y.
const double kWrongCalibrationScale[3] = {1.015, 0.98, 0.96};
// Chromaticity noise grows as sqrt(1 + 1 cd/m2 / Y), at most this many times.
const double kDarkChromaNoiseLimit = 10.0;
// Reported chromaticities stay this far inside the diagram.
const double kChromaticityMargin = 0.001;
const double kPi = 3.14159265358979323846;

double Clamp(double value, double low, double high) {
    return value < low ? low : value > high ? high : value;
}

} // namespace

void SeedNoise(struct NoiseSource* noise, unsigned seed) {
    noise->state = 0x9E3779B97F4A7C15ull * (seed + 1ull);
}

// splitmix64, reduced to 53 bits and kept off 0.
double NextUniform(struct NoiseSource* noise) {
    unsigned long long z = (noise->state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return ((z >> 11) + 0.5) / 9007199254740992.0;
}

// Box-Muller with one number drawn per call, so the sequence is simple to follow.
double NextGaussian(struct NoiseSource* noise) {
    const double radius = std::sqrt(-2.0 * std::log(NextUniform(noise)));
    return radius * std::cos(2.0 * kPi * NextUniform(noise));
}

// Light as the sensor takes it: dark current offset, then calibration bias.
static void SenseLight(const double xyz[3], int wrongCalibration, int darkCurrentSet,
                       double sensed[3]) {
    for (int k = 0; k < 3; ++k) {
        sensed[k] = xyz[k] + (darkCurrentSet ? 0.0 : DARK_CURRENT_OFFSET);
        if (wrongCalibration) sensed[k] *= kWrongCalibrationScale[k];
    }
}

static double ChromaNoiseAt(const struct MonitorModel* model, double luminance) {
    const double darkness = std::sqrt(1.0 + 1.0 / (luminance > 1e-6 ? luminance : 1e-6));
    return model->chromaNoise *
           (darkness < kDarkChromaNoiseLimit ? darkness : kDarkChromaNoiseLimit);
}

void MeasureLight(const struct MonitorModel* model, const double xyz[3], int wrongCalibration,
                  int darkCurrentSet, struct NoiseSource* noise, YxyReading* reading) {
    double sensed[3];
    SenseLight(xyz, wrongCalibration, darkCurrentSet, sensed);
    const double sum = sensed[0] + sensed[1] + sensed[2];
    double x = model->blackChromaticity[0], y = model->blackChromaticity[1];
    if (sum > 1e-9) x = sensed[0] / sum, y = sensed[1] / sum;
    const double chromaNoise = ChromaNoiseAt(model, sensed[1]);
    reading->Y = sensed[1] * (1.0 + model->noise * NextGaussian(noise)) +
                 model->noiseFloor * NextGaussian(noise);
    reading->x = Clamp(x + chromaNoise * NextGaussian(noise), kChromaticityMargin,
                       1.0 - 2 * kChromaticityMargin);
    reading->y = Clamp(y + chromaNoise * NextGaussian(noise), kChromaticityMargin,
                       1.0 - reading->x - kChromaticityMargin);
    reading->z = 1.0 - reading->x - reading->y;
}
