// One check of a layout rectangle, shared by the wizard's and the loader's
// layout tests.
#pragma once

#include <gtest/gtest.h>

#include "wizard/window_layout.h"

inline void ExpectRect(LayoutRect expected, LayoutRect actual, const char* what) {
    EXPECT_EQ(expected.x, actual.x) << what;
    EXPECT_EQ(expected.y, actual.y) << what;
    EXPECT_EQ(expected.width, actual.width) << what;
    EXPECT_EQ(expected.height, actual.height) << what;
}
