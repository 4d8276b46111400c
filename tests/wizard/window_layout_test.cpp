// The wizard's layout against figures worked by hand from its rules, for a
// classic set of system metrics (frames 4, caption 19, scroll bar 16) and an
// odd one, at even, odd and too small client sizes.
#include "wizard/window_layout.h"

#include <gtest/gtest.h>

#include "tests/wizard/expect_rect.h"

namespace {

// Body font 15 high, title font 19: T 15, H 23, M 5, TH 27, FW 8, FH 26, SB 16.
const FrameMetrics kClassic = {4, 4, 1, 1, 19, 16};
const WizardMeasures kMeasures = WizardMeasuresFor(15, 19, kClassic);

TEST(WizardMeasuresFor, FromTheFontsAndTheSystem) {
    struct Case {
        int body, title;
        FrameMetrics system;
        WizardMeasures expected;
    } cases[] = {
        {15, 19, kClassic, {15, 23, 5, 27, 8, 26, 16}},
        // Unequal frames, and a margin that truncates: 26 / 4.
        {16, 22, {3, 5, 1, 2, 22, 17}, {16, 26, 6, 32, 6, 31, 17}},
        {12, 12, {0, 0, 0, 0, 0, 0}, {12, 12, 3, 12, 0, -1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "body " << c.body << ", title " << c.title);
        const WizardMeasures m = WizardMeasuresFor(c.body, c.title, c.system);
        EXPECT_EQ(c.expected.textHeight, m.textHeight);
        EXPECT_EQ(c.expected.controlHeight, m.controlHeight);
        EXPECT_EQ(c.expected.margin, m.margin);
        EXPECT_EQ(c.expected.titleHeight, m.titleHeight);
        EXPECT_EQ(c.expected.frameWidth, m.frameWidth);
        EXPECT_EQ(c.expected.frameHeight, m.frameHeight);
        EXPECT_EQ(c.expected.scrollBarWidth, m.scrollBarWidth);
    }
}

TEST(SetupForm, ColumnsRowsAndWidths) {
    struct Case {
        int clientWidth, columnX, fieldX;
    } cases[] = {{1024, 266, 411}, {1023, 265, 410}, {3, 10, 155}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.columnX, ColumnX(kMeasures, c.clientWidth)) << c.clientWidth;
        EXPECT_EQ(c.fieldX, FieldX(kMeasures, c.clientWidth, 140)) << c.clientWidth;
    }
    const int rows[] = {37, 65, 93, 121, 149, 177, 205};
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(rows[k], FormRow(kMeasures, k)) << "row " << k;
    EXPECT_EQ(108, FormRow(WizardMeasuresFor(16, 22, {3, 5, 1, 2, 22, 17}), 2));
    EXPECT_EQ(140, LabelWidth(kMeasures, 130));
    ExpectRect({266, 121, 140, 23}, FormLabelRect(kMeasures, 1024, 140, 3), "label");
    ExpectRect({411, 37, 66, 92}, FormListRect(kMeasures, 1024, 140, 0, 40), "list");
    ExpectRect({411, 65, 228, 23}, FormCheckBoxRect(kMeasures, 1024, 140, 1, 200), "check box");
    ExpectRect({411, 205, 300, 23}, FormTextBoxRect(kMeasures, 1024, 140, 6), "text box");
}

TEST(MainWindowChildren, PlacedForTheClientArea) {
    const int W = 1024, HC = 700;
    ExpectRect({5, 5, 1014, 27}, PageTitleRect(kMeasures, W), "title");
    ExpectRect({5, 37, 256, 658}, InstructionsPanelRect(kMeasures, W, HC), "panel");
    ExpectRect({266, 65, 458, 496}, ResultsWindowRect(kMeasures, W), "results");
    ExpectRect({266, 37, 274, 164}, BrightnessWindowRect(kMeasures, W), "brightness");
    ExpectRect({266, 37, 274, 115}, GaugeWindowRect(kMeasures, W), "gauges");
    ExpectRect({266, 37, 90, 23}, SaveProfileButtonRect(kMeasures, W, 80), "save profile");
    ExpectRect({361, 37, 110, 23}, SaveProfileLogButtonRect(kMeasures, W, 80, 100), "save log");
}

// A 600 x 600 client area, placed as if it were 400 x 400 and centred; the
// halves truncate toward zero, also when the main window is too small.
TEST(TargetWindowRect, CentresA400By400Window) {
    struct Case {
        int clientWidth, clientHeight, x, y;
    } cases[] = {
        {1024, 700, 308, 137},
        {1025, 701, 308, 137},
        {300, 200, -54, -113},
        {301, 199, -53, -113},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.clientWidth << " x " << c.clientHeight);
        ExpectRect({c.x, c.y, 608, 626}, TargetWindowRect(kMeasures, c.clientWidth, c.clientHeight),
                   "target");
    }
}

TEST(InstructionsPanel, ButtonsInARowAndTheTextBoxUnderThem) {
    const int textWidths[] = {30, 28, 55, 27, 22};
    const LayoutRect expected[] = {
        {5, 5, 40, 23}, {50, 5, 38, 23}, {93, 5, 65, 23}, {163, 5, 37, 23}, {205, 5, 32, 23}};
    LayoutRect before = {};
    for (int i = 0; i < 5; ++i) {
        before = NavigationButtonRect(kMeasures, i == 0 ? nullptr : &before, textWidths[i]);
        ExpectRect(expected[i], before, "button");
    }
    ExpectRect({5, 38, 246, 580}, InstructionsBoxRect(kMeasures, 256, 658), "text box");
}

} // namespace
