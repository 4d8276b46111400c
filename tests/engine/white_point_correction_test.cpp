// One correction pass of a grey and the gamma estimate: the worked pass of
// grey 8, the step limit, probes that tell nothing, and power-law greys.
#include "engine/gamma_estimate.h"
#include "engine/white_point_correction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

const double D65x = 0.31274, D65y = 0.32902;

TEST(ApplyWhitePointCorrection, Grey8WorkedPass) {
    YxyReading readings[4] = {{40, 0.320, 0.335, 0.345},
                              {38, 0.310, 0.338, 0.352},
                              {35, 0.325, 0.325, 0.350},
                              {39, 0.328, 0.342, 0.330}};
    int drives[3] = {136, 136, 136};
    ASSERT_EQ(0, ApplyWhitePointCorrection(readings, 0.320 - D65x, 0.335 - D65y, 136, drives));
    EXPECT_EQ(118, drives[0]);
    EXPECT_EQ(120, drives[1]);
    EXPECT_EQ(136, drives[2]);
}

TEST(ApplyWhitePointCorrection, ChangeHeldToStepLimit) {
    // Grey 1 (level 17, probe step 2, limit 1) far off target: each channel
    // moves by one step at most, then the largest is back at 17.
    YxyReading readings[4] = {
        {1, 0.40, 0.40, 0.20}, {1, 0.39, 0.40, 0.21}, {1, 0.41, 0.39, 0.20}, {1, 0.40, 0.41, 0.19}};
    int drives[3] = {17, 17, 17};
    ASSERT_EQ(0, ApplyWhitePointCorrection(readings, 0.3, -0.2, 17, drives));
    for (int k = 0; k < 3; ++k) {
        EXPECT_LE(drives[k], 17);
        EXPECT_GE(drives[k], 17 * 16 / 18);
    }
    EXPECT_EQ(17, std::max(drives[0], std::max(drives[1], drives[2])));
}

TEST(ApplyWhitePointCorrection, ProbesWithoutEffectLeaveDrivesAlone) {
    YxyReading same = {10, 0.3, 0.3, 0.4};
    YxyReading flat[4] = {same, same, same, same};
    YxyReading notNumbers[4] = {same, {10, NAN, 0.3, 0.4}, same, same};
    YxyReading colourless[4] = {{0.4, 0, 0, 0}, same, same, same};
    for (const YxyReading* readings : {flat, notNumbers, colourless}) {
        int drives[3] = {100, 101, 102};
        EXPECT_EQ(1, ApplyWhitePointCorrection(readings, 0.01, 0.01, 102, drives));
        EXPECT_EQ(100, drives[0]);
        EXPECT_EQ(102, drives[2]);
    }
}

void PowerLaw(double gamma, double luminances[16]) {
    for (int k = 0; k < 16; ++k)
        luminances[k] = std::pow(k / 15.0, gamma);
}

TEST(EstimateGamma, PowerLaws) {
    struct {
        double gamma, expected, tolerance;
    } cases[] = {{2.5, 2.5, 0.004},
                 {1.8, 1.8, 0.004},
                 {2.2, 2.2, 0.004},
                 {3.5, 3.42, 1e-9},
                 {0.5, 0.98, 1e-9}};
    for (auto& c : cases) {
        double luminances[16];
        PowerLaw(c.gamma, luminances);
        EXPECT_NEAR(c.expected, EstimateGamma(luminances, 16), c.tolerance) << c.gamma;
    }
}

TEST(GammaFitError, InnerPointsOnlyAndScaleFree) {
    double luminances[16];
    PowerLaw(2.2, luminances);
    EXPECT_NEAR(0, GammaFitError(luminances, 16, 2.2), 1e-20);
    for (double& value : luminances)
        value = 5 + 40 * value; // offset and scale
    EXPECT_NEAR(0, GammaFitError(luminances, 16, 2.2), 1e-20);
    EXPECT_GT(GammaFitError(luminances, 16, 2.0), 0.001);
    EXPECT_EQ(0, GammaFitError(luminances, 2, 2.0));
    double flat[4] = {3, 3, 3, 3};
    EXPECT_EQ(0, GammaFitError(flat, 4, 2.0));
}

} // namespace
