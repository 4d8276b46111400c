// Painting and tab clicks of the results window. It only reads the
// calibration record, the settings' white point and CorrectionRamp; the
// numbers come from results_geometry, the pictures from the start-up bitmaps.
#include "charts/results_window_win32.h"

#include "charts/draw_bitmap_win32.h"
#include "charts/results_geometry.h"

#include "engine/calibration_record.h"
#include "engine/gamma_ramp.h"
#include "wizard/app_globals_win32.h"
#include "wizard/calibration_settings.h"

#include <windowsx.h>

enum { MARKER_BEFORE = 2, MARKER_AFTER = 3 };

static int resultsView = GAMUT_VIEW;
// Where the strip was when the window was made; resizing does not move it.
static struct ChartRect tabStrip;

static const WizardBitmap diagramBitmaps[WHITE_POINT_COUNT] = {
    CHROMATICITY_D65_BITMAP, CHROMATICITY_D50_BITMAP, CHROMATICITY_D75_BITMAP};

static struct ChartRect ClientRect(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    const struct ChartRect rect = {client.left, client.top, client.right, client.bottom};
    return rect;
}

static void DrawPolyline(HDC context, const struct ChartPoint* points, int count) {
    POINT line[CURVE_POINT_COUNT];
    for (int i = 0; i < count; ++i) {
        line[i].x = points[i].x;
        line[i].y = points[i].y;
    }
    Polyline(context, line, count);
}

static void DrawMarker(HDC context, struct ChartPoint at) {
    Ellipse(context, at.x - MARKER_BEFORE, at.y - MARKER_BEFORE, at.x + MARKER_AFTER,
            at.y + MARKER_AFTER);
}

static void DrawPrimaries(HDC context) {
    const double* primaries[3] = {CalibrationRecord.redChromaticity,
                                  CalibrationRecord.greenChromaticity,
                                  CalibrationRecord.blueChromaticity};
    struct ChartPoint corners[REFERENCE_TRIANGLE_POINTS];
    for (int k = 0; k < 3; ++k) {
        corners[k] = GamutPoint(primaries[k][0], primaries[k][1], margin);
        DrawMarker(context, corners[k]);
    }
    corners[3] = corners[0];
    DrawPolyline(context, corners, REFERENCE_TRIANGLE_POINTS);
}

static void DrawTargetAndReference(HDC context) {
    DrawMarker(context,
               GamutPoint(CalibrationRecord.targetWhiteX, CalibrationRecord.targetWhiteY, margin));
    struct ChartPoint triangle[REFERENCE_TRIANGLE_POINTS];
    ReferenceTriangle(margin, triangle);
    DrawPolyline(context, triangle, REFERENCE_TRIANGLE_POINTS);
}

static void DrawGamutOverlay(HDC context) {
    HPEN whitePen = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    HGDIOBJ previousPen = SelectObject(context, whitePen);
    HGDIOBJ previousBrush = SelectObject(context, GetStockObject(HOLLOW_BRUSH));
    DrawPrimaries(context);
    SelectObject(context, previousPen);
    DeleteObject(whitePen);
    HPEN greyPen = CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
    previousPen = SelectObject(context, greyPen);
    DrawTargetAndReference(context);
    SelectObject(context, previousPen);
    DeleteObject(greyPen);
    SelectObject(context, previousBrush);
}

static void DrawCurve(HDC context, const unsigned short* entries, struct ChartRect client,
                      COLORREF color) {
    struct ChartPoint points[CURVE_POINT_COUNT];
    CurvePoints(entries, client.right, client.bottom, margin, points);
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HGDIOBJ previousPen = SelectObject(context, pen);
    DrawPolyline(context, points, CURVE_POINT_COUNT);
    SelectObject(context, previousPen);
    DeleteObject(pen);
}

// Blue last, so it lies on top where the channels meet.
static void DrawCurves(HDC context, struct ChartRect client) {
    DrawCurve(context, CorrectionRamp.red, client, RGB(255, 0, 0));
    DrawCurve(context, CorrectionRamp.green, client, RGB(0, 255, 0));
    DrawCurve(context, CorrectionRamp.blue, client, RGB(0, 0, 255));
}

static void DrawTab(HDC context, int view, const char* label) {
    const struct ChartRect box = TabLabelRect(tabStrip, view);
    RECT text = {box.left, box.top, box.right, box.bottom};
    DrawTextA(context, label, -1, &text, DT_CENTER | DT_VCENTER);
    struct ChartPoint outline[TAB_OUTLINE_POINTS];
    const int count = TabOutline(tabStrip, view, resultsView, margin, outline);
    DrawPolyline(context, outline, count);
}

static void DrawTabStrip(HDC context) {
    HGDIOBJ previousPen = SelectObject(context, GetStockObject(WHITE_PEN));
    HGDIOBJ previousFont = SelectObject(context, BodyFont);
    const COLORREF previousColor = SetTextColor(context, RGB(255, 255, 255));
    const int previousMode = SetBkMode(context, TRANSPARENT);
    DrawTab(context, GAMUT_VIEW, "Gamut");
    DrawTab(context, CURVES_VIEW, "Curves");
    SetBkMode(context, previousMode);
    SetTextColor(context, previousColor);
    SelectObject(context, previousFont);
    SelectObject(context, previousPen);
}

static HBITMAP DiagramBitmap() {
    const int index = CalibrationSettings.whitePointIndex;
    if (index < 0 || index >= WHITE_POINT_COUNT) return wizardBitmaps[CHROMATICITY_D65_BITMAP];
    return wizardBitmaps[diagramBitmaps[index]];
}

static void PaintResults(HWND window, HDC context) {
    if (resultsView == GAMUT_VIEW) {
        DrawBitmap(context, DiagramBitmap(), margin, margin, DRAW_BITMAP_COPY);
        DrawGamutOverlay(context);
    } else {
        DrawBitmap(context, wizardBitmaps[CURVES_BITMAP], margin, margin, DRAW_BITMAP_COPY);
        DrawCurves(context, ClientRect(window));
    }
    DrawTabStrip(context);
}

static LRESULT OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC context = BeginPaint(window, &paint);
    PaintResults(window, context);
    EndPaint(window, &paint);
    return 0;
}

static LRESULT OnPrintClient(HWND window, HDC context) {
    PaintResults(window, context);
    return 0;
}

static LRESULT OnCreate(HWND window) {
    resultsView = GAMUT_VIEW;
    tabStrip = TabStripRect(ClientRect(window));
    return 0;
}

// A click on the other tab switches the view; anything else changes nothing.
static LRESULT OnLeftButtonDown(HWND window, LPARAM lParam) {
    const int view =
        ViewAfterClick(tabStrip, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), resultsView);
    if (view == resultsView) return 0;
    resultsView = view;
    InvalidateRect(window, 0, TRUE);
    return 0;
}

LRESULT CALLBACK ResultsWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_PAINT: return OnPaint(window);
    // Lets PrintWindow and the tests take the picture into a context of their own.
    case WM_PRINTCLIENT: return OnPrintClient(window, reinterpret_cast<HDC>(wParam));
    case WM_LBUTTONDOWN: return OnLeftButtonDown(window, lParam);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}
