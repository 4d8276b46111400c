// The results window's arithmetic: the gamut mapping against the diagram's
// pixels, the curves at the created and at other client sizes, and the tab
// strip's outlines and hit test at its edges.
#include "charts/results_geometry.h"

#include <gtest/gtest.h>

namespace {

const int M = 7; // a typical margin
// The client area the window is made with: 440 + 2M by 460 + 2M.
const ChartRect createdClient = {0, 0, 440 + 2 * M, 460 + 2 * M};

void ExpectPoint(ChartPoint expected, ChartPoint actual) {
    EXPECT_EQ(expected.x, actual.x);
    EXPECT_EQ(expected.y, actual.y);
}

TEST(GamutPoint, MapsChartCornersAndRoundsHalfAwayFromZero) {
    struct Case {
        double x, y;
        ChartPoint pixel;
    } cases[] = {
        {0, 0, {M + 20, M + 420}},
        {1, 1, {M + 420, M + 20}},
        {0.64, 0.33, {M + 276, M + 288}},
        {0.00125, 0.00125, {M + 21, M + 419}},   // 0.5 pixel rounds up
        {-0.00125, -0.00125, {M + 19, M + 421}}, // and -0.5 down
        {1.2, -0.1, {M + 500, M + 460}},         // nothing limits the point
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        ExpectPoint(c.pixel, GamutPoint(c.x, c.y, M));
    }
}

TEST(ReferenceTriangle, IsTheSrgbTriangleClosed) {
    ChartPoint points[REFERENCE_TRIANGLE_POINTS];
    ReferenceTriangle(M, points);
    ExpectPoint({M + 276, M + 288}, points[0]);
    ExpectPoint({M + 140, M + 180}, points[1]);
    ExpectPoint({M + 80, M + 396}, points[2]);
    ExpectPoint(points[0], points[3]);
}

TEST(CurvePoints, LinearRampIsTheDiagonalAtTheCreatedSize) {
    unsigned short linear[CURVE_POINT_COUNT];
    for (int i = 0; i < CURVE_POINT_COUNT; ++i)
        linear[i] = static_cast<unsigned short>(257 * i);
    ChartPoint points[CURVE_POINT_COUNT];
    CurvePoints(linear, createdClient.right, createdClient.bottom, M, points);
    ExpectPoint({M + 20, M + 420}, points[0]);
    ExpectPoint({M + 420, M + 20}, points[255]);
    // Truncating divisions: 128 x 400 / 255 = 200.78 and 32639 x 400 / 65535 = 199.2.
    ExpectPoint({M + 20 + 200, M + 20 + 199}, points[128]);
}

TEST(CurvePoints, StretchWithTheClientAndStayAtThePlotOrigin) {
    unsigned short flat[CURVE_POINT_COUNT] = {};
    ChartPoint points[CURVE_POINT_COUNT];
    CurvePoints(flat, 1000 + 40 + 2 * M, 3000 + 60 + 2 * M, M, points);
    ExpectPoint({M + 20, M + 20 + 3000}, points[0]);
    ExpectPoint({M + 20 + 1000, M + 20 + 3000}, points[255]);
    EXPECT_EQ(M + 20 + 3 * 1000 / 255, points[3].x);
}

TEST(CurvePoints, SurvivesAClientSmallerThanTheMarginsAndAHugeOne) {
    unsigned short ramp[CURVE_POINT_COUNT] = {};
    ramp[255] = 65535;
    ChartPoint points[CURVE_POINT_COUNT];
    CurvePoints(ramp, 10, 10, M, points); // negative plot size: points run backwards
    ExpectPoint({M + 20, M + 20 + (10 - 60 - 2 * M)}, points[0]);
    ExpectPoint({M + 20 + (10 - 40 - 2 * M), M + 20}, points[255]);
    CurvePoints(ramp, 100000, 100000, M, points); // 65535 x h exceeds 32 bits
    EXPECT_EQ(M + 20 + 100000 - 60 - 2 * M, points[0].y);
}

TEST(TabStripRect, IsTheBottomTwentyRowsOfTheClient) {
    const ChartRect strip = TabStripRect(createdClient);
    EXPECT_EQ(0, strip.left);
    EXPECT_EQ(440 + 2 * M, strip.right);
    EXPECT_EQ(440 + 2 * M, strip.top);
    EXPECT_EQ(460 + 2 * M, strip.bottom);
}

TEST(TabOutline, CurrentTabIsOpenAtTheTopTheOtherClosed) {
    const ChartRect strip = {0, 100, 301, 120}; // odd width: half is 150
    ChartPoint points[TAB_OUTLINE_POINTS];
    ASSERT_EQ(4, TabOutline(strip, GAMUT_VIEW, GAMUT_VIEW, M, points));
    ExpectPoint({0, 102}, points[0]);
    ExpectPoint({M, 120}, points[1]);
    ExpectPoint({150 - M, 120}, points[2]);
    ExpectPoint({150, 102}, points[3]);
    ASSERT_EQ(5, TabOutline(strip, CURVES_VIEW, GAMUT_VIEW, M, points));
    ExpectPoint({150, 102}, points[0]);
    ExpectPoint({150 + M, 120}, points[1]);
    ExpectPoint({301 - M, 120}, points[2]);
    ExpectPoint({301, 102}, points[3]);
    ExpectPoint({150, 102}, points[4]);
    EXPECT_EQ(5, TabOutline(strip, GAMUT_VIEW, CURVES_VIEW, M, points));
}

TEST(TabLabelRect, SplitsTheStripBelowItsTopTwoRows) {
    const ChartRect strip = {0, 100, 301, 120};
    const ChartRect gamut = TabLabelRect(strip, GAMUT_VIEW);
    const ChartRect curves = TabLabelRect(strip, CURVES_VIEW);
    EXPECT_EQ(0, gamut.left);
    EXPECT_EQ(150, gamut.right);
    EXPECT_EQ(150, curves.left);
    EXPECT_EQ(301, curves.right);
    EXPECT_EQ(102, gamut.top);
    EXPECT_EQ(120, curves.bottom);
}

TEST(ViewAfterClick, FollowsTheHalvesInsideTheStripOnly) {
    const ChartRect strip = {0, 100, 300, 120};
    struct Case {
        int x, y, currentView, expected;
    } cases[] = {
        {150, 110, CURVES_VIEW, GAMUT_VIEW}, // the exact middle is gamut's
        {151, 110, GAMUT_VIEW, CURVES_VIEW},
        {0, 100, CURVES_VIEW, GAMUT_VIEW}, // left and top edges are inside
        {299, 119, GAMUT_VIEW, CURVES_VIEW},
        {300, 110, GAMUT_VIEW, GAMUT_VIEW},  // right edge is outside
        {200, 120, GAMUT_VIEW, GAMUT_VIEW},  // bottom edge is outside
        {200, 99, GAMUT_VIEW, GAMUT_VIEW},   // the chart above
        {-1, 110, CURVES_VIEW, CURVES_VIEW}, // a signed coordinate left of the window
        {10, 110, GAMUT_VIEW, GAMUT_VIEW},   // the current tab: no change
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        EXPECT_EQ(c.expected, ViewAfterClick(strip, c.x, c.y, c.currentView));
    }
}

} // namespace
