// The white point gauges: a red, a green and a blue bar, each with a centre
// mark and, once values have arrived, a pointer that many pixels right of it.
#include "charts/chart_scales.h"
#include "charts/chart_windows_win32.h"
#include "charts/draw_bitmap_win32.h"

#include "wizard/app_globals_win32.h"
#include "wizard/app_messages.h"

enum { GAUGE_COUNT = 3, BAR_WIDTH = 256, CENTRE_OFFSET = 128, POINTER_TIP_COLUMN = 6 };

static int gaugeValues[GAUGE_COUNT];
static int pointersShown;

static const COLORREF barColors[GAUGE_COUNT] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
static const WizardBitmap pointerBitmaps[GAUGE_COUNT] = {RED_POINTER_BITMAP, GREEN_POINTER_BITMAP,
                                                         BLUE_POINTER_BITMAP};

static int BarTop(int gauge) {
    return margin + gauge * (margin + controlHeight);
}

static LRESULT OnCreate() {
    for (int gauge = 0; gauge < GAUGE_COUNT; ++gauge)
        gaugeValues[gauge] = 0;
    pointersShown = 0;
    return 0;
}

static LRESULT OnGaugeValue(HWND window, int gauge, WPARAM wParam, LPARAM lParam) {
    pointersShown = static_cast<int>(wParam);
    gaugeValues[gauge] = ClampGaugeValue(static_cast<long long>(lParam));
    InvalidateRect(window, 0, FALSE);
    return 0;
}

static void FillBars(HDC context) {
    for (int gauge = 0; gauge < GAUGE_COUNT; ++gauge) {
        RECT bar = {margin, BarTop(gauge), margin + BAR_WIDTH, BarTop(gauge) + controlHeight};
        HBRUSH brush = CreateSolidBrush(barColors[gauge]);
        FillRect(context, &bar, brush);
        DeleteObject(brush);
    }
}

static void DrawPointers(HDC context) {
    for (int gauge = 0; gauge < GAUGE_COUNT; ++gauge) {
        const int x = margin + CENTRE_OFFSET - POINTER_TIP_COLUMN + gaugeValues[gauge];
        DrawBitmap(context, wizardBitmaps[pointerBitmaps[gauge]], x, BarTop(gauge),
                   DRAW_BITMAP_COPY);
    }
}

// Drawn over the pointers; a line's end pixel is not drawn.
static void DrawCentreMarks(HDC context) {
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    HGDIOBJ previousPen = SelectObject(context, pen);
    for (int gauge = 0; gauge < GAUGE_COUNT; ++gauge) {
        MoveToEx(context, margin + CENTRE_OFFSET, BarTop(gauge), 0);
        LineTo(context, margin + CENTRE_OFFSET, BarTop(gauge) + controlHeight);
    }
    SelectObject(context, previousPen);
    DeleteObject(pen);
}

static void PaintGauges(HDC context) {
    HRGN clip = CreateRectRgn(margin, margin, margin + BAR_WIDTH, BarTop(GAUGE_COUNT) - margin);
    SelectClipRgn(context, clip);
    FillBars(context);
    if (pointersShown != 0) DrawPointers(context);
    DrawCentreMarks(context);
    SelectClipRgn(context, 0);
    DeleteObject(clip);
}

static LRESULT OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC context = BeginPaint(window, &paint);
    PaintGauges(context);
    EndPaint(window, &paint);
    return 0;
}

LRESULT CALLBACK GaugeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate();
    case APPMSG_GAUGE_RED: return OnGaugeValue(window, 0, wParam, lParam);
    case APPMSG_GAUGE_GREEN: return OnGaugeValue(window, 1, wParam, lParam);
    case APPMSG_GAUGE_BLUE: return OnGaugeValue(window, 2, wParam, lParam);
    case WM_PAINT: return OnPaint(window);
    // Lets PrintWindow and the tests take the picture into a context of their own.
    case WM_PRINTCLIENT: PaintGauges(reinterpret_cast<HDC>(wParam)); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}
