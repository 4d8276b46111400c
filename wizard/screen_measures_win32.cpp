// Fonts and system metrics, the same way in the wizard and the loader.
#include "wizard/screen_measures_win32.h"

#include "text/text_utils.h"

enum { FONT_FACE_LIMIT = 31 };

HFONT CreateAppFont(const char* face, int height, int weight) {
    LOGFONTA description;
    FillBytes(&description, sizeof description, 0);
    description.lfHeight = height;
    description.lfWeight = weight;
    description.lfCharSet = DEFAULT_CHARSET;
    CopyTextLimited(face, description.lfFaceName, FONT_FACE_LIMIT);
    return CreateFontIndirectA(&description);
}

int CharacterHeight(HFONT font) {
    HDC screen = GetDC(0);
    HGDIOBJ previousFont = SelectObject(screen, font);
    TEXTMETRICA metrics;
    GetTextMetricsA(screen, &metrics);
    SelectObject(screen, previousFont);
    ReleaseDC(0, screen);
    return metrics.tmHeight;
}

struct FrameMetrics ReadFrameMetrics() {
    struct FrameMetrics system;
    system.cxFrame = GetSystemMetrics(SM_CXFRAME);
    system.cyFrame = GetSystemMetrics(SM_CYFRAME);
    system.cxBorder = GetSystemMetrics(SM_CXBORDER);
    system.cyBorder = GetSystemMetrics(SM_CYBORDER);
    system.cyCaption = GetSystemMetrics(SM_CYCAPTION);
    system.cxVScroll = GetSystemMetrics(SM_CXVSCROLL);
    return system;
}
