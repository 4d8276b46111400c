// The loader window's layout as plain integer arithmetic, shared by the window
// and the tests.
#include "loader/loader_layout.h"

enum { WINDOW_X = 100, WINDOW_Y = 100, CREATED_CLIENT_SIZE = 500 };
enum { IMAGE_WIDTH = 400, IMAGE_HEIGHT = 338, LABEL_WIDTH = 500 };

struct LoaderMeasures LoaderMeasuresFor(int characterHeight, const struct FrameMetrics& system) {
    struct LoaderMeasures m;
    m.textHeight = characterHeight;
    m.controlHeight = ControlHeightFor(characterHeight, system);
    m.margin = m.controlHeight / 4;
    m.frameWidth = 2 * system.cxBorder;
    m.frameHeight = system.cyCaption + 2 * system.cyBorder;
    return m;
}

static struct LayoutRect Rect(int x, int y, int width, int height) {
    struct LayoutRect rect = {x, y, width, height};
    return rect;
}

struct LayoutRect LoaderWindowCreatedRect(const struct LoaderMeasures& m) {
    return Rect(WINDOW_X, WINDOW_Y, CREATED_CLIENT_SIZE + m.frameWidth,
                CREATED_CLIENT_SIZE + m.frameHeight);
}

struct LayoutRect LoaderWindowRect(const struct LoaderMeasures& m) {
    return Rect(WINDOW_X, WINDOW_Y, m.frameWidth + 2 * m.margin + IMAGE_WIDTH,
                m.frameHeight + 6 * m.margin + 6 * m.textHeight + IMAGE_HEIGHT);
}

// The buttons stand one text height apart; each label is a margin and a text
// height below what is above it, its edit one text height below the label.
struct LayoutRect LoaderControlRect(const struct LoaderMeasures& m, enum LoaderControl control,
                                    int textWidth) {
    const int T = m.textHeight;
    const int M = m.margin;
    const int buttonWidth = textWidth + m.controlHeight + M;
    switch (control) {
    case CALIBRATED_BUTTON: return Rect(M, M, buttonWidth, T);
    case FLAT_BUTTON: return Rect(M, M + T, buttonWidth, T);
    case DESCRIPTION_LABEL: return Rect(M, 2 * M + 2 * T, LABEL_WIDTH, T);
    case DESCRIPTION_EDIT: return Rect(2 * M, 2 * M + 3 * T, LABEL_WIDTH - M, T);
    case FILE_NAME_LABEL: return Rect(M, 3 * M + 4 * T, LABEL_WIDTH, T);
    default: return Rect(2 * M, 3 * M + 5 * T, LABEL_WIDTH - M, T);
    }
}

struct LayoutRect LoaderImageRect(const struct LoaderMeasures& m) {
    return Rect(m.margin, 4 * m.margin + 6 * m.textHeight, IMAGE_WIDTH, IMAGE_HEIGHT);
}
