// Arithmetic of the results window: the gamut mapping, the curve scaling and
// the tab strip, exactly as the painting and the click handling use them.
#include "charts/results_geometry.h"

#include "engine/colour_arithmetic.h"

enum { FULL_SCALE = 65535, TOP_LEVEL = CURVE_POINT_COUNT - 1, TAB_TOP_GAP = 2 };

// sRGB (ITU-R BT.709) primaries, red, green, blue.
static const double referencePrimaries[3][2] = {{0.64, 0.33}, {0.30, 0.60}, {0.15, 0.06}};

struct ChartPoint GamutPoint(double x, double y, int margin) {
    struct ChartPoint point;
    point.x = margin + CHART_PLOT_INSET + RoundToInt(CHART_PLOT_SIZE * x);
    point.y = margin + CHART_PLOT_INSET + CHART_PLOT_SIZE - RoundToInt(CHART_PLOT_SIZE * y);
    return point;
}

void ReferenceTriangle(int margin, struct ChartPoint points[REFERENCE_TRIANGLE_POINTS]) {
    for (int k = 0; k < 3; ++k)
        points[k] = GamutPoint(referencePrimaries[k][0], referencePrimaries[k][1], margin);
    points[3] = points[0];
}

void CurvePoints(const unsigned short entries[CURVE_POINT_COUNT], int clientWidth, int clientHeight,
                 int margin, struct ChartPoint points[CURVE_POINT_COUNT]) {
    const int width = clientWidth - 2 * CHART_PLOT_INSET - 2 * margin;
    const int height = clientHeight - 2 * CHART_PLOT_INSET - TAB_STRIP_HEIGHT - 2 * margin;
    const int origin = margin + CHART_PLOT_INSET;
    for (int i = 0; i < CURVE_POINT_COUNT; ++i) {
        // 64-bit products: a very tall client would overflow 32 bits.
        const long long drop = static_cast<long long>(FULL_SCALE - entries[i]) * height;
        points[i].x = static_cast<int>(static_cast<long long>(i) * width / TOP_LEVEL) + origin;
        points[i].y = static_cast<int>(drop / FULL_SCALE) + origin;
    }
}

struct ChartRect TabStripRect(struct ChartRect client) {
    struct ChartRect strip = client;
    strip.top = client.bottom - TAB_STRIP_HEIGHT;
    return strip;
}

struct ChartRect TabLabelRect(struct ChartRect strip, int view) {
    const int half = (strip.right - strip.left) / 2;
    struct ChartRect label = strip;
    label.top = strip.top + TAB_TOP_GAP;
    if (view == GAMUT_VIEW)
        label.right = strip.left + half;
    else
        label.left = strip.left + half;
    return label;
}

int TabOutline(struct ChartRect strip, int view, int currentView, int margin,
               struct ChartPoint points[TAB_OUTLINE_POINTS]) {
    const struct ChartRect tab = TabLabelRect(strip, view);
    points[0] = {tab.left, tab.top};
    points[1] = {tab.left + margin, tab.bottom};
    points[2] = {tab.right - margin, tab.bottom};
    points[3] = {tab.right, tab.top};
    if (view == currentView) return 4;
    points[4] = points[0];
    return 5;
}

int ViewAfterClick(struct ChartRect strip, int x, int y, int currentView) {
    if (x < strip.left || x >= strip.right || y < strip.top || y >= strip.bottom)
        return currentView;
    return x > (strip.left + strip.right) / 2 ? CURVES_VIEW : GAMUT_VIEW;
}
