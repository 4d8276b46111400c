// The brightness curve: over a black 256 x 128 chart of the darkest greys,
// the curve the target gamma predicts (white) and the measured one (red).
// Everything is clipped to the chart.
#include "charts/chart_scales.h"
#include "charts/chart_windows_win32.h"

#include "engine/calibration_record.h"
#include "wizard/app_globals_win32.h"

enum { CHART_WIDTH = 256, CHART_HEIGHT = 128, CURVE_PEN_WIDTH = 2 };

static void DrawCurve(HDC context, const int heights[BRIGHTNESS_CURVE_POINTS], COLORREF color) {
    HPEN pen = CreatePen(PS_SOLID, CURVE_PEN_WIDTH, color);
    HGDIOBJ previousPen = SelectObject(context, pen);
    const int bottom = margin + CHART_HEIGHT;
    MoveToEx(context, margin, bottom - heights[0], 0);
    for (int i = 1; i < BRIGHTNESS_CURVE_POINTS; ++i)
        LineTo(context, margin + BRIGHTNESS_POINT_SPACING * i, bottom - heights[i]);
    SelectObject(context, previousPen);
    DeleteObject(pen);
}

static void DrawChart(HDC context) {
    RECT chart = {margin, margin, margin + CHART_WIDTH, margin + CHART_HEIGHT};
    HRGN clip = CreateRectRgnIndirect(&chart);
    SelectClipRgn(context, clip);
    FillRect(context, &chart, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    int heights[BRIGHTNESS_CURVE_POINTS];
    ExpectedBrightnessHeights(CalibrationRecord.targetGamma, heights);
    DrawCurve(context, heights, RGB(255, 255, 255));
    if (MeasuredBrightnessHeights(CalibrationRecord.brightnessY, heights) == 0)
        DrawCurve(context, heights, RGB(255, 0, 0));
    SelectClipRgn(context, 0);
    DeleteObject(clip);
}

static LRESULT OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC context = BeginPaint(window, &paint);
    DrawChart(context);
    EndPaint(window, &paint);
    return 0;
}

LRESULT CALLBACK BrightnessWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: return OnPaint(window);
    // Lets PrintWindow and the tests take the picture into a context of their own.
    case WM_PRINTCLIENT: DrawChart(reinterpret_cast<HDC>(wParam)); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}
