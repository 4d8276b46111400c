// Brightness curve heights and gauge clamping. Heights far outside the chart
// are only ever clipped away, so they are held to a range that rounds and
// draws safely whatever the readings were.
#include "charts/chart_scales.h"

#include <cmath>

#include "engine/colour_arithmetic.h"

// Far beyond any chart, and well inside the 16-bit coordinates that Windows
// 98's GDI takes once the chart's place is added.
static const double heightLimit = BRIGHTNESS_HEIGHT_LIMIT;

static int HeightToPixels(double height) {
    if (height > heightLimit) height = heightLimit;
    if (height < -heightLimit) height = -heightLimit;
    return RoundToInt(height);
}

void ExpectedBrightnessHeights(double gamma, int heights[BRIGHTNESS_CURVE_POINTS]) {
    for (int i = 0; i < BRIGHTNESS_CURVE_POINTS; ++i)
        heights[i] = HeightToPixels(std::pow(8.0 * i / 255.0, gamma) * BRIGHTNESS_HEIGHT_SCALE);
}

int MeasuredBrightnessHeights(const double luminances[BRIGHTNESS_READINGS],
                              int heights[BRIGHTNESS_CURVE_POINTS]) {
    const double black = luminances[0];
    const double range = luminances[BRIGHTNESS_READINGS - 1] - black;
    if (range == 0 || std::isnan(range)) return 1;
    double scaled[BRIGHTNESS_CURVE_POINTS];
    for (int i = 0; i < BRIGHTNESS_CURVE_POINTS; ++i) {
        scaled[i] = (luminances[i] - black) * BRIGHTNESS_HEIGHT_SCALE / range;
        if (std::isnan(scaled[i])) return 1;
    }
    for (int i = 0; i < BRIGHTNESS_CURVE_POINTS; ++i)
        heights[i] = HeightToPixels(scaled[i]);
    return 0;
}

int ClampGaugeValue(long long value) {
    if (value < -GAUGE_LIMIT) return -GAUGE_LIMIT;
    if (value > GAUGE_LIMIT) return GAUGE_LIMIT;
    return static_cast<int>(value);
}
