// The virtual colorimeter's own errors: how the light of a patch becomes the
// reading the instrument reports. Readings carry a deterministic noise
// (relative on Y plus an absolute floor, and chromaticity noise that grows in
// the dark); without a dark current measurement they carry the sensor's
// offset; with the calibration for the wrong display type they are biased.
#pragma once

#include "meter/yxy_reading.h"
#include "sim/monitor_model.h"

// Sensor offset read as light when the dark current was never measured:
// this luminance of equal-energy light (X = Y = Z).
const double DARK_CURRENT_OFFSET = 0.8;

// A seeded pseudo-random sequence, identical on every build.
struct NoiseSource {
    unsigned long long state;
};

void SeedNoise(struct NoiseSource* noise, unsigned seed);
// Uniform in (0, 1).
double NextUniform(struct NoiseSource* noise);
// Standard normal.
double NextGaussian(struct NoiseSource* noise);

// The reading for light xyz (cd/m2). wrongCalibration: the instrument uses
// the other display type's calibration. Draws four normal numbers from noise.
void MeasureLight(const struct MonitorModel* model, const double xyz[3], int wrongCalibration,
                  int darkCurrentSet, struct NoiseSource* noise, YxyReading* reading);
