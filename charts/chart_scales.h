// The numbers behind the brightness curve and the white point gauges, apart
// from their drawing so they can be checked anywhere.
#pragma once

enum {
    BRIGHTNESS_CURVE_POINTS = 9,     // greys 0, 8, ..., 64
    BRIGHTNESS_READINGS = 10,        // those greys, then white
    BRIGHTNESS_POINT_SPACING = 32,   // pixels per step of 8 grey levels
    BRIGHTNESS_HEIGHT_SCALE = 3000,  // pixels per unit of luminance relative to white
    GAUGE_LIMIT = 127,               // furthest a pointer stands from its centre mark
    BRIGHTNESS_HEIGHT_LIMIT = 16384, // heights held within +-this, far outside the chart
};

// Heights in pixels above the chart's bottom edge of the curve the target
// gamma predicts: 3000 x (8 i / 255) ^ gamma, rounded.
void ExpectedBrightnessHeights(double gamma, int heights[BRIGHTNESS_CURVE_POINTS]);
// Heights of the measured greys relative to black, scaled by white minus
// black. 1, filling nothing, when there is no curve to draw: white measured
// as bright as black, or readings that are not numbers. Both kinds of height
// are held within +-BRIGHTNESS_HEIGHT_LIMIT.
int MeasuredBrightnessHeights(const double luminances[BRIGHTNESS_READINGS],
                              int heights[BRIGHTNESS_CURVE_POINTS]);
// A gauge value held within -127 ... 127.
int ClampGaugeValue(long long value);
