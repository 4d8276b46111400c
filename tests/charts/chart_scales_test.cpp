// Brightness curve heights at both target gammas and for odd readings, and
// the gauges' clamping.
#include "charts/chart_scales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

std::vector<int> Expected(double gamma) {
    int heights[BRIGHTNESS_CURVE_POINTS];
    ExpectedBrightnessHeights(gamma, heights);
    return std::vector<int>(heights, heights + BRIGHTNESS_CURVE_POINTS);
}

TEST(ExpectedBrightnessHeights, BothTargetGammas) {
    EXPECT_EQ(std::vector<int>({0, 1, 7, 17, 31, 51, 76, 107, 143}), Expected(2.2));
    EXPECT_EQ(std::vector<int>({0, 6, 21, 43, 72, 107, 148, 196, 249}), Expected(1.8));
}

TEST(MeasuredBrightnessHeights, RelativeToBlackScaledByWhite) {
    // Black 0.5, white 100.5; grey 8 i lies i % of the way up: 30 i pixels.
    double luminances[BRIGHTNESS_READINGS];
    for (int i = 0; i < BRIGHTNESS_CURVE_POINTS; ++i)
        luminances[i] = 0.5 + i;
    luminances[BRIGHTNESS_READINGS - 1] = 100.5;
    luminances[2] = 0.25; // darker than black: below the bottom edge
    int heights[BRIGHTNESS_CURVE_POINTS] = {};
    ASSERT_EQ(0, MeasuredBrightnessHeights(luminances, heights));
    EXPECT_EQ(0, heights[0]);
    EXPECT_EQ(30, heights[1]);
    EXPECT_EQ(-8, heights[2]);
    EXPECT_EQ(120, heights[4]);
    EXPECT_EQ(240, heights[8]);
}

TEST(MeasuredBrightnessHeights, NoCurveWithoutARange) {
    double luminances[BRIGHTNESS_READINGS] = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    int heights[BRIGHTNESS_CURVE_POINTS] = {7, 7, 7, 7, 7, 7, 7, 7, 7};
    EXPECT_EQ(1, MeasuredBrightnessHeights(luminances, heights));
    luminances[9] = 3;
    luminances[5] = std::nan("");
    EXPECT_EQ(1, MeasuredBrightnessHeights(luminances, heights));
    EXPECT_EQ(7, heights[0]);
}

// The chart's points, M + 128 - height with M well under 1000, stay within
// the 16-bit coordinates of Windows 98's GDI (+-30000 with room to spare).
TEST(MeasuredBrightnessHeights, HugeHeightsAreHeldFarOutsideTheChart) {
    double luminances[BRIGHTNESS_READINGS] = {0, 1, -1, 0.5, -0.5, 1e-3, 0, 0, 0, 1e-300};
    int heights[BRIGHTNESS_CURVE_POINTS] = {};
    ASSERT_EQ(0, MeasuredBrightnessHeights(luminances, heights));
    EXPECT_EQ(16384, heights[1]);
    EXPECT_EQ(-16384, heights[2]);
    EXPECT_EQ(16384, heights[3]);
    EXPECT_EQ(-16384, heights[4]);
    for (int height : heights) {
        EXPECT_LE(1000 + 128 - height, 30000);
        EXPECT_GE(1000 + 128 - height, -30000);
    }
    ExpectedBrightnessHeights(-5, heights); // not a gamma the form offers
    EXPECT_EQ(16384, heights[1]);
}

TEST(ClampGaugeValue, HeldWithin127) {
    const long long values[] = {0, 1, 40, 127, 128, 200, -127, -300, 1LL << 40, -(1LL << 40)};
    const int clamped[] = {0, 1, 40, 127, 127, 127, -127, -127, 127, -127};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(clamped[i], ClampGaugeValue(values[i])) << values[i];
}

} // namespace
