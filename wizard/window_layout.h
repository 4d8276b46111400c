// The wizard's layout arithmetic, apart from the windows so that it can be
// checked anywhere: the measures taken from the fonts and the system, and the
// place and size of every child of the main window and of the instructions
// panel. All coordinates are client pixels of the parent window.
#pragma once

// What the system reports (its GetSystemMetrics values) that layouts use.
struct FrameMetrics {
    int cxFrame, cyFrame;   // sizing frame (SM_CXFRAME, SM_CYFRAME)
    int cxBorder, cyBorder; // thin border (SM_CXBORDER, SM_CYBORDER)
    int cyCaption;          // caption (SM_CYCAPTION)
    int cxVScroll;          // vertical scroll bar (SM_CXVSCROLL)
};

struct WizardMeasures {
    int textHeight;     // T: character height of the body font
    int controlHeight;  // H: T + 2 sizing-frame heights
    int margin;         // M: H / 4
    int titleHeight;    // TH: character height of the title font + 2 sizing-frame heights
    int frameWidth;     // FW: 2 sizing-frame widths, a captioned child's horizontal frame
    int frameHeight;    // FH: caption + 2 sizing-frame heights - 1
    int scrollBarWidth; // SB: a vertical scroll bar
};

struct LayoutRect {
    int x, y, width, height;
};

// A font's character height + 2 sizing-frame heights: H of the body font, TH
// of the title font, and the loader's H.
int ControlHeightFor(int characterHeight, const struct FrameMetrics& system);
struct WizardMeasures WizardMeasuresFor(int bodyCharacterHeight, int titleCharacterHeight,
                                        const struct FrameMetrics& system);

// The setup form's columns and rows: colX = W / 4 + 2M, fieldX = colX +
// labelW + M, row(k) = TH + 2M + k (H + M).
int ColumnX(const struct WizardMeasures& m, int clientWidth);
int FieldX(const struct WizardMeasures& m, int clientWidth, int labelWidth);
int FormRow(const struct WizardMeasures& m, int k);
// labelW: the widest label text + 2M.
int LabelWidth(const struct WizardMeasures& m, int widestLabelText);
// The form's label of row k: labelW x H at (colX, row(k)).
struct LayoutRect FormLabelRect(const struct WizardMeasures& m, int clientWidth, int labelWidth,
                                int k);
// The form's fields of row k, at (fieldX, row(k)): a drop-down list as wide as
// the arrow, 2M and its widest item, 4H high with its list; a check box as
// wide as its text, the box (H) and M; a text box 300 wide; both H high.
struct LayoutRect FormListRect(const struct WizardMeasures& m, int clientWidth, int labelWidth,
                               int k, int widestItemText);
struct LayoutRect FormCheckBoxRect(const struct WizardMeasures& m, int clientWidth, int labelWidth,
                                   int k, int textWidth);
struct LayoutRect FormTextBoxRect(const struct WizardMeasures& m, int clientWidth, int labelWidth,
                                  int k);

// The main window's children for a client area of W x HC.
struct LayoutRect PageTitleRect(const struct WizardMeasures& m, int clientWidth);
struct LayoutRect InstructionsPanelRect(const struct WizardMeasures& m, int clientWidth,
                                        int clientHeight);
struct LayoutRect ResultsWindowRect(const struct WizardMeasures& m, int clientWidth);
// Sized for a 600 x 600 client area, placed to centre a 400 x 400 window.
struct LayoutRect TargetWindowRect(const struct WizardMeasures& m, int clientWidth,
                                   int clientHeight);
struct LayoutRect BrightnessWindowRect(const struct WizardMeasures& m, int clientWidth);
struct LayoutRect GaugeWindowRect(const struct WizardMeasures& m, int clientWidth);
struct LayoutRect SaveProfileButtonRect(const struct WizardMeasures& m, int clientWidth,
                                        int saveProfileTextWidth);
struct LayoutRect SaveProfileLogButtonRect(const struct WizardMeasures& m, int clientWidth,
                                           int saveProfileTextWidth, int saveLogTextWidth);

// The instructions panel's buttons in a row from (M, M), each its text + 2M
// wide and M right of the one before (before is 0 for the first).
struct LayoutRect NavigationButtonRect(const struct WizardMeasures& m,
                                       const struct LayoutRect* before, int textWidth);
// The text box under the buttons for a panel client area of W' x HC'.
struct LayoutRect InstructionsBoxRect(const struct WizardMeasures& m, int panelWidth,
                                      int panelHeight);
