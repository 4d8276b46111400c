// The results window's numbers, apart from its drawing so they can be checked
// anywhere: where a chromaticity lands on the 440 x 440 diagram, the
// calibration curves scaled to the client area, and the tab strip's tabs and
// their hit test. All coordinates are client pixels.
#pragma once

enum ResultsView { GAMUT_VIEW = 0, CURVES_VIEW = 1 };

enum {
    CHART_BITMAP_SIZE = 440, // every chart bitmap is this square
    CHART_PLOT_INSET = 20,   // from the bitmap's edge to chart coordinate 0 (or 1)
    CHART_PLOT_SIZE = 400,   // chart coordinates 0 to 1
    TAB_STRIP_HEIGHT = 20,
    CURVE_POINT_COUNT = 256,
    REFERENCE_TRIANGLE_POINTS = 4, // closed: the first corner again
    TAB_OUTLINE_POINTS = 5,        // most a tab outline needs
};

struct ChartPoint {
    int x, y;
};

struct ChartRect {
    int left, top, right, bottom;
};

// A chromaticity on the diagram drawn at (margin, margin). Nothing limits it:
// a point outside 0 ... 1 lands outside the plot, or the bitmap.
struct ChartPoint GamutPoint(double x, double y, int margin);

// The sRGB primaries' triangle, closed, under GamutPoint.
void ReferenceTriangle(int margin, struct ChartPoint points[REFERENCE_TRIANGLE_POINTS]);

// One channel of a ramp (256 entries) as points: input level left to right,
// output 0 ... 65535 bottom to top, over the client size less the margins.
void CurvePoints(const unsigned short entries[CURVE_POINT_COUNT], int clientWidth, int clientHeight,
                 int margin, struct ChartPoint points[CURVE_POINT_COUNT]);

// The strip along the bottom of the client rectangle the window had when made.
struct ChartRect TabStripRect(struct ChartRect client);

// The box a tab's label is centred in: the left or right half of the strip
// below its top two rows.
struct ChartRect TabLabelRect(struct ChartRect strip, int view);

// A tab's outline, a trapezoid widening upward; open at the top (4 points)
// for the current view so it joins the chart above, closed (5) otherwise.
// Returns the number of points.
int TabOutline(struct ChartRect strip, int view, int currentView, int margin,
               struct ChartPoint points[TAB_OUTLINE_POINTS]);

// The view after a click at (x, y): the tab's under the point when the point
// lies in the strip (right and bottom edges excluded; the exact middle is
// gamut's), else the current view.
int ViewAfterClick(struct ChartRect strip, int x, int y, int currentView);
