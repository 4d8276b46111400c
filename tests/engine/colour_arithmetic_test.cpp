// Rounding, the largest of three, and the record's conversions: target white
// chromaticity, the white and primaries from the reading slots, and the
// primaries' XYZ, including the degenerate measurements that must not reach
// the record.
#include "engine/colour_arithmetic.h"

#include "engine/calibration_record.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(RoundToInt, HalfAwayFromZero) {
    struct {
        double x;
        int expected;
    } cases[] = {{2.5, 3}, {-2.5, -3}, {-0.4, 0}, {0.49, 0}, {254.6, 255}, {-7.89, -8}, {0, 0}};
    for (auto& c : cases)
        EXPECT_EQ(c.expected, RoundToInt(c.x)) << c.x;
}

TEST(Max3, AnyPosition) {
    EXPECT_EQ(9, Max3(9, 2, 3));
    EXPECT_EQ(9, Max3(2, 9, 3));
    EXPECT_EQ(9, Max3(2, 3, 9));
    EXPECT_EQ(-1, Max3(-1, -1, -5));
}

TEST(TargetWhiteChromaticity, ReferenceWhites) {
    struct {
        int index;
        double x, y;
    } cases[] = {{0, 0.3127, 0.3290}, {1, 0.3457, 0.3585}, {2, 0.2990, 0.3149}};
    for (auto& c : cases) {
        SetTargetsFromIndexes(c.index, 0);
        TargetWhiteChromaticity();
        EXPECT_NEAR(c.x, CalibrationRecord.targetWhiteX, 0.00005);
        EXPECT_NEAR(c.y, CalibrationRecord.targetWhiteY, 0.00005);
    }
}

void SetReading(int slot, double x, double y) {
    CalibrationRecord.readings[slot] = {50.0, x, y, 1 - x - y};
}

void SetSrgbReadings() {
    SetReading(0, 0.3127, 0.3290);
    SetReading(1, 0.64, 0.33);
    SetReading(2, 0.30, 0.60);
    SetReading(3, 0.15, 0.06);
}

TEST(StoreWhiteAndPrimaries, RelativeWhiteAndChromaticities) {
    SetSrgbReadings();
    ASSERT_EQ(0, StoreWhiteAndPrimaries());
    EXPECT_NEAR(0.3127 / 0.3290, CalibrationRecord.whiteXYZ[0], 1e-12);
    EXPECT_EQ(1.0, CalibrationRecord.whiteXYZ[1]);
    EXPECT_NEAR(0.3583 / 0.3290, CalibrationRecord.whiteXYZ[2], 1e-12);
    EXPECT_EQ(0.60, CalibrationRecord.greenChromaticity[1]);
    EXPECT_NEAR(0.79, CalibrationRecord.blueChromaticity[2], 1e-12);
}

TEST(StoreWhiteAndPrimaries, ReadingWithoutChromaticityChangesNothing) {
    const struct {
        int slot;
        YxyReading reading;
    } cases[] = {
        {0, {50, 0.3, 0, 0.7}}, {0, {50, 0.3, -0.1, 0.8}},       {0, {50, 0.3, NAN, 0.4}},
        {0, {50, 0, 0, 0}},     {0, {50, 0.3, 1e-320, 0.7}},     {1, {50, 0.64, 0.33, NAN}},
        {2, {50, 0, 0, 0}},     {3, {50, INFINITY, 0.06, 0.79}},
    };
    for (const auto& c : cases) {
        SetSrgbReadings();
        ASSERT_EQ(0, StoreWhiteAndPrimaries());
        CalibrationRecord.readings[c.slot] = c.reading;
        SetReading(c.slot == 1 ? 2 : 1, 0.5, 0.5);
        EXPECT_EQ(1, StoreWhiteAndPrimaries()) << c.slot << " " << c.reading.y;
        EXPECT_NEAR(0.3127 / 0.3290, CalibrationRecord.whiteXYZ[0], 1e-12);
        EXPECT_EQ(0.64, CalibrationRecord.redChromaticity[0]);
        EXPECT_EQ(0.30, CalibrationRecord.greenChromaticity[0]);
    }
}

TEST(ComputePrimariesXYZ, PrimariesAddUpToD50) {
    SetSrgbReadings();
    ASSERT_EQ(0, StoreWhiteAndPrimaries());
    ASSERT_EQ(0, ComputePrimariesXYZ());
    for (int i = 0; i < 3; ++i) {
        double sum = CalibrationRecord.redXYZ[i] + CalibrationRecord.greenXYZ[i] +
                     CalibrationRecord.blueXYZ[i];
        EXPECT_NEAR(ReferenceWhiteD50[i], sum, 1e-12);
    }
    // Each primary keeps its chromaticity.
    const double* red = CalibrationRecord.redXYZ;
    EXPECT_NEAR(0.64, red[0] / (red[0] + red[1] + red[2]), 1e-12);
}

TEST(ComputePrimariesXYZ, DegeneratePrimariesLeaveRecordAlone) {
    SetSrgbReadings();
    ASSERT_EQ(0, StoreWhiteAndPrimaries());
    ASSERT_EQ(0, ComputePrimariesXYZ());
    double kept = CalibrationRecord.greenXYZ[1];
    struct {
        double red[2], green[2], blue[2];
    } cases[] = {
        {{0.64, 0.33}, {0.64, 0.33}, {0.15, 0.06}}, // two primaries alike: exactly singular
        {{0.2, 0.3}, {0.3, 0.4}, {0.4, 0.5}},       // collinear
        {{0.64, 0.33}, {0.60, 0.38}, {0.55, 0.40}}, // D50 outside the triangle
    };
    for (auto& c : cases) {
        SetReading(1, c.red[0], c.red[1]);
        SetReading(2, c.green[0], c.green[1]);
        SetReading(3, c.blue[0], c.blue[1]);
        ASSERT_EQ(0, StoreWhiteAndPrimaries());
        EXPECT_EQ(1, ComputePrimariesXYZ());
        EXPECT_EQ(kept, CalibrationRecord.greenXYZ[1]);
    }
}

} // namespace
