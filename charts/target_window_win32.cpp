// The target patch the colorimeter looks at: its whole client area in one
// colour, repainted before a colour change returns so the next reading sees it.
#include "charts/chart_windows_win32.h"

#include "wizard/app_globals_win32.h"
#include "wizard/app_messages.h"

enum { TARGET_MINIMUM_CLIENT = 100 };

static COLORREF targetColor = RGB(0, 0, 0);

static LRESULT OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC context = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    HBRUSH brush = CreateSolidBrush(targetColor);
    FillRect(context, &client, brush);
    DeleteObject(brush);
    EndPaint(window, &paint);
    return 0;
}

static LRESULT OnMinMaxInfo(LPARAM lParam) {
    MINMAXINFO* limits = reinterpret_cast<MINMAXINFO*>(lParam);
    limits->ptMinTrackSize.x = frameWidth + TARGET_MINIMUM_CLIENT;
    limits->ptMinTrackSize.y = frameHeight + TARGET_MINIMUM_CLIENT;
    return 0;
}

// Takes the three low bytes of lParam, redraws the frame and the patch at once.
static LRESULT OnTargetColor(HWND window, LPARAM lParam) {
    targetColor = RGB(lParam & 255, (lParam >> 8) & 255, (lParam >> 16) & 255);
    SendMessageA(window, WM_NCPAINT, 1, 0);
    InvalidateRect(window, 0, FALSE);
    UpdateWindow(window);
    return 0;
}

LRESULT CALLBACK TargetWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: targetColor = RGB(0, 0, 0); return 0;
    case WM_PAINT: return OnPaint(window);
    case WM_GETMINMAXINFO: return OnMinMaxInfo(lParam);
    case APPMSG_TARGET_COLOR: return OnTargetColor(window, lParam);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}
