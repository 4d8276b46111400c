// The instructions panel's procedure. Its buttons drive the page controller;
// its painting draws a raised frame, an etched line under the buttons and the
// colorimeter lines, each cut to the panel's width.
#include "wizard/instructions_panel_win32.h"

#include <htmlhelp.h>

#include "meter/colorimeter.h"
#include "text/text_format.h"
#include "text/text_utils.h"
#include "wizard/app_globals_win32.h"
#include "wizard/grey_box_colors_win32.h"
#include "wizard/main_window_win32.h"
#include "wizard/page_controller.h"
#include "wizard/text_width_win32.h"
#include "wizard/wizard_controls_win32.h"

enum { LINE_TEXT_SIZE = 256 };

static const COLORREF panelGrey = RGB(192, 192, 192);
static const COLORREF shadowGrey = RGB(128, 128, 128);
static const COLORREF highlightWhite = RGB(255, 255, 255);

static struct LayoutRect TextBoxRect(HWND panel) {
    const SIZE client = ClientSize(panel);
    return InstructionsBoxRect(CurrentMeasures(), client.cx, client.cy);
}

static LRESULT OnSize(HWND panel) {
    PlaceControl(WizardControls.instructionsBox, TextBoxRect(panel));
    return 0;
}

// The five push buttons in a row on top, each right of the one before.
static void CreateNavigationButtons(HWND panel) {
    struct WizardControls& c = WizardControls;
    const struct {
        const char* text;
        int id;
        HWND* button;
    } buttons[] = {{"Next", ID_NEXT, &c.nextButton},
                   {"Prev", ID_PREV, &c.prevButton},
                   {"Try Again", ID_TRY_AGAIN, &c.tryAgainButton},
                   {"Help", ID_HELP, &c.helpButton},
                   {"Exit", ID_EXIT, &c.exitButton}};
    struct LayoutRect place;
    const struct LayoutRect* before = 0;
    for (const auto& b : buttons) {
        place = NavigationButtonRect(CurrentMeasures(), before, TextWidth(b.text));
        *b.button = CreateControl(panel, "Button", b.text, WS_VISIBLE | BS_PUSHBUTTON, b.id,
                                  BodyFont, place);
        before = &place;
    }
}

static LRESULT OnCreate(HWND panel) {
    CreateNavigationButtons(panel);
    WizardControls.instructionsBox =
        CreateControl(panel, "edit", "", WS_VISIBLE | ES_MULTILINE | ES_READONLY | WS_VSCROLL, 0,
                      BodyFont, TextBoxRect(panel));
    return 0;
}

static void DrawLine(HDC context, COLORREF color, const POINT* points, int count) {
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HGDIOBJ previousPen = SelectObject(context, pen);
    Polyline(context, points, count);
    SelectObject(context, previousPen);
    DeleteObject(pen);
}

// Raised frame (white top and left, dark grey right and bottom) and an
// etched line under the row of buttons.
static void DrawPanelFrame(HDC context, SIZE client) {
    const int etch = controlHeight + 2 * margin;
    const POINT shadowRule[] = {{0, etch}, {client.cx, etch}};
    const POINT shadowEdge[] = {
        {client.cx - 1, 0}, {client.cx - 1, client.cy - 1}, {0, client.cy - 1}};
    const POINT lightRule[] = {{0, etch + 1}, {client.cx, etch + 1}};
    const POINT lightEdge[] = {{0, client.cy}, {0, 0}, {client.cx - 1, 0}};
    DrawLine(context, shadowGrey, shadowRule, 2);
    DrawLine(context, shadowGrey, shadowEdge, 3);
    DrawLine(context, highlightWhite, lightRule, 2);
    DrawLine(context, highlightWhite, lightEdge, 3);
}

// One line of text from (margin, top), cut where it would reach the frame.
static void DrawPanelLine(HDC context, const char* text, SIZE client, int top) {
    RECT line = {margin, top, client.cx - margin, top + textHeight};
    DrawTextA(context, text, TextLength(text), &line,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

// The colorimeter's firmware and toolkit revision, once it has answered. The
// texts are copied with a limit first: they come from the toolkit.
static void DrawColorimeterLines(HDC context, SIZE client) {
    char firmware[LINE_TEXT_SIZE];
    char line[LINE_TEXT_SIZE];
    CopyTextLimited(firmwareText, firmware, LINE_TEXT_SIZE - 1);
    FormatText(line, LINE_TEXT_SIZE, "Calibrator firmware: %s", firmware);
    HGDIOBJ previousFont = SelectObject(context, BodyFont);
    SetTextColor(context, RGB(0, 0, 0));
    SetBkMode(context, TRANSPARENT);
    DrawPanelLine(context, line, client, client.cy - 2 * textHeight - margin);
    CopyTextLimited(toolkitRevisionText, line, LINE_TEXT_SIZE - 1);
    DrawPanelLine(context, line, client, client.cy - textHeight - margin);
    SelectObject(context, previousFont);
}

static LRESULT OnPaint(HWND panel, WPARAM wParam, LPARAM lParam) {
    PAINTSTRUCT paint;
    HDC context = BeginPaint(panel, &paint);
    const SIZE client = ClientSize(panel);
    RECT whole = {0, 0, client.cx, client.cy};
    HBRUSH grey = CreateSolidBrush(panelGrey);
    FillRect(context, &whole, grey);
    DeleteObject(grey);
    DrawPanelFrame(context, client);
    if (firmwareText[0] != 0) DrawColorimeterLines(context, client);
    EndPaint(panel, &paint);
    return DefWindowProcA(panel, WM_PAINT, wParam, lParam);
}

static void OnButtonClicked(HWND panel, int id) {
    switch (id) {
    case ID_HELP: HtmlHelpA(panel, helpFilePath, HH_DISPLAY_TOC, 0); break;
    case ID_EXIT: PostMessageA(mainWindow, WM_CLOSE, 0, 0); break;
    case ID_PREV: PreviousPage(); break;
    case ID_NEXT: AdvancePage(); break;
    case ID_TRY_AGAIN: RunCurrentPage(); break;
    default: break;
    }
}

static LRESULT OnCommand(HWND panel, WPARAM wParam, LPARAM lParam) {
    if (lParam != 0 && HIWORD(wParam) == BN_CLICKED) OnButtonClicked(panel, LOWORD(wParam));
    return 0;
}

LRESULT CALLBACK InstructionsPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate(panel);
    case WM_SIZE: return OnSize(panel);
    case WM_PAINT: return OnPaint(panel, wParam, lParam);
    case WM_CTLCOLORSTATIC: return GreyBoxColors(reinterpret_cast<HDC>(wParam));
    case WM_COMMAND: return OnCommand(panel, wParam, lParam);
    default: return DefWindowProcA(panel, message, wParam, lParam);
    }
}
