// The wizard's layout arithmetic: every measure and place as plain integer
// arithmetic (divisions truncate toward zero), so the windows and the tests
// share one definition.
#include "wizard/window_layout.h"

enum { RESULTS_CHART_WIDTH = 440, RESULTS_CHART_HEIGHT = 460, TARGET_CLIENT_SIZE = 600 };
enum { TARGET_CENTRED_SIZE = 400, GAUGE_WIDTH = 256, BRIGHTNESS_CHART_HEIGHT = 128 };
enum { GAUGE_COUNT = 3, TEXT_BOX_WIDTH = 300, LIST_HEIGHT_ROWS = 4 };

int ControlHeightFor(int characterHeight, const struct FrameMetrics& system) {
    return characterHeight + 2 * system.cyFrame;
}

struct WizardMeasures WizardMeasuresFor(int bodyCharacterHeight, int titleCharacterHeight,
                                        const struct FrameMetrics& system) {
    struct WizardMeasures m;
    m.textHeight = bodyCharacterHeight;
    m.controlHeight = ControlHeightFor(bodyCharacterHeight, system);
    m.margin = m.controlHeight / 4;
    m.titleHeight = ControlHeightFor(titleCharacterHeight, system);
    m.frameWidth = 2 * system.cxFrame;
    m.frameHeight = system.cyCaption + 2 * system.cyFrame - 1;
    m.scrollBarWidth = system.cxVScroll;
    return m;
}

int ColumnX(const struct WizardMeasures& m, int clientWidth) {
    return clientWidth / 4 + 2 * m.margin;
}
int FieldX(const struct WizardMeasures& m, int clientWidth, int labelWidth) {
    return ColumnX(m, clientWidth) + labelWidth + m.margin;
}
int FormRow(const struct WizardMeasures& m, int k) {
    return m.titleHeight + 2 * m.margin + k * (m.controlHeight + m.margin);
}
int LabelWidth(const struct WizardMeasures& m, int widestLabelText) {
    return widestLabelText + 2 * m.margin;
}

static struct LayoutRect Rect(int x, int y, int width, int height) {
    struct LayoutRect rect = {x, y, width, height};
    return rect;
}

struct LayoutRect FormLabelRect(const struct WizardMeasures& m, int clientWidth, int labelWidth,
                                int k) {
    return Rect(ColumnX(m, clientWidth), FormRow(m, k), labelWidth, m.controlHeight);
}

struct LayoutRect FormListRect(const struct WizardMeasures& m, int clientWidth, int labelWidth,
                               int k, int widestItemText) {
    return Rect(FieldX(m, clientWidth, labelWidth), FormRow(m, k),
                m.scrollBarWidth + 2 * m.margin + widestItemText,
                LIST_HEIGHT_ROWS * m.controlHeight);
}

struct LayoutRect FormCheckBoxRect(const struct WizardMeasures& m, int clientWidth, int labelWidth,
                                   int k, int textWidth) {
    return Rect(FieldX(m, clientWidth, labelWidth), FormRow(m, k),
                textWidth + m.controlHeight + m.margin, m.controlHeight);
}

struct LayoutRect FormTextBoxRect(const struct WizardMeasures& m, int clientWidth, int labelWidth,
                                  int k) {
    return Rect(FieldX(m, clientWidth, labelWidth), FormRow(m, k), TEXT_BOX_WIDTH, m.controlHeight);
}

struct LayoutRect PageTitleRect(const struct WizardMeasures& m, int clientWidth) {
    return Rect(m.margin, m.margin, clientWidth - 2 * m.margin, m.titleHeight);
}

struct LayoutRect InstructionsPanelRect(const struct WizardMeasures& m, int clientWidth,
                                        int clientHeight) {
    return Rect(m.margin, m.titleHeight + 2 * m.margin, clientWidth / 4,
                clientHeight - 3 * m.margin - m.titleHeight);
}

struct LayoutRect ResultsWindowRect(const struct WizardMeasures& m, int clientWidth) {
    return Rect(ColumnX(m, clientWidth), FormRow(m, 1),
                m.frameWidth + 2 * m.margin + RESULTS_CHART_WIDTH,
                m.frameHeight + 2 * m.margin + RESULTS_CHART_HEIGHT);
}

struct LayoutRect TargetWindowRect(const struct WizardMeasures& m, int clientWidth,
                                   int clientHeight) {
    return Rect((clientWidth - m.frameWidth - TARGET_CENTRED_SIZE) / 2,
                (clientHeight - m.frameHeight - TARGET_CENTRED_SIZE) / 2,
                m.frameWidth + TARGET_CLIENT_SIZE, m.frameHeight + TARGET_CLIENT_SIZE);
}

struct LayoutRect BrightnessWindowRect(const struct WizardMeasures& m, int clientWidth) {
    return Rect(ColumnX(m, clientWidth), FormRow(m, 0), m.frameWidth + 2 * m.margin + GAUGE_WIDTH,
                m.frameHeight + 2 * m.margin + BRIGHTNESS_CHART_HEIGHT);
}

struct LayoutRect GaugeWindowRect(const struct WizardMeasures& m, int clientWidth) {
    return Rect(ColumnX(m, clientWidth), FormRow(m, 0), m.frameWidth + 2 * m.margin + GAUGE_WIDTH,
                m.frameHeight + GAUGE_COUNT * m.controlHeight + 4 * m.margin);
}

struct LayoutRect SaveProfileButtonRect(const struct WizardMeasures& m, int clientWidth,
                                        int saveProfileTextWidth) {
    return Rect(ColumnX(m, clientWidth), FormRow(m, 0), saveProfileTextWidth + 2 * m.margin,
                m.controlHeight);
}

struct LayoutRect SaveProfileLogButtonRect(const struct WizardMeasures& m, int clientWidth,
                                           int saveProfileTextWidth, int saveLogTextWidth) {
    return Rect(ColumnX(m, clientWidth) + saveProfileTextWidth + 3 * m.margin, FormRow(m, 0),
                saveLogTextWidth + 2 * m.margin, m.controlHeight);
}

struct LayoutRect NavigationButtonRect(const struct WizardMeasures& m,
                                       const struct LayoutRect* before, int textWidth) {
    const int x = before == 0 ? m.margin : before->x + before->width + m.margin;
    return Rect(x, m.margin, textWidth + 2 * m.margin, m.controlHeight);
}

struct LayoutRect InstructionsBoxRect(const struct WizardMeasures& m, int panelWidth,
                                      int panelHeight) {
    return Rect(m.margin, m.controlHeight + 3 * m.margin, panelWidth - 2 * m.margin,
                panelHeight - 5 * m.margin - 2 * m.textHeight - m.controlHeight);
}
