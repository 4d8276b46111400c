// The loader window's layout against figures worked by hand from its rules:
// font 15 high, frames 4, borders 1, caption 19 (T 15, H 23, M 5, frame
// 2 x 21), and a font whose margin truncates.
#include "loader/loader_layout.h"

#include <gtest/gtest.h>

#include "tests/wizard/expect_rect.h"

namespace {

const FrameMetrics kClassic = {4, 4, 1, 1, 19, 16};
const LoaderMeasures kMeasures = LoaderMeasuresFor(15, kClassic);

TEST(LoaderMeasuresFor, BordersNotSizingFramesMakeTheFrame) {
    EXPECT_EQ(15, kMeasures.textHeight);
    EXPECT_EQ(23, kMeasures.controlHeight);
    EXPECT_EQ(5, kMeasures.margin);
    EXPECT_EQ(2, kMeasures.frameWidth);
    EXPECT_EQ(21, kMeasures.frameHeight);
    const LoaderMeasures odd = LoaderMeasuresFor(16, {3, 5, 2, 3, 22, 17});
    EXPECT_EQ(26, odd.controlHeight);
    EXPECT_EQ(6, odd.margin);
    EXPECT_EQ(4, odd.frameWidth);
    EXPECT_EQ(28, odd.frameHeight);
}

TEST(LoaderWindow, CreatedAt100With500By500ThenSizedToTheImage) {
    ExpectRect({100, 100, 502, 521}, LoaderWindowCreatedRect(kMeasures), "created");
    ExpectRect({100, 100, 412, 479}, LoaderWindowRect(kMeasures), "sized");
    ExpectRect({5, 110, 400, 338}, LoaderImageRect(kMeasures), "image");
}

TEST(LoaderWindow, ControlsFromTheTopLeft) {
    struct Case {
        LoaderControl control;
        int textWidth;
        LayoutRect expected;
    } cases[] = {
        {CALIBRATED_BUTTON, 150, {5, 5, 178, 15}}, {FLAT_BUTTON, 120, {5, 20, 148, 15}},
        {DESCRIPTION_LABEL, 0, {5, 40, 500, 15}},  {DESCRIPTION_EDIT, 0, {10, 55, 495, 15}},
        {FILE_NAME_LABEL, 0, {5, 75, 500, 15}},    {FILE_NAME_EDIT, 0, {10, 90, 495, 15}},
    };
    for (const Case& c : cases)
        ExpectRect(c.expected, LoaderControlRect(kMeasures, c.control, c.textWidth), "control");
}

} // namespace
