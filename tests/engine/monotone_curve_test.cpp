// The monotone curve table: exact on a line, flat where the knots are flat,
// never above its highest knot, and refusing knots that do not rise.
#include "engine/monotone_curve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

const int Knots = 16;

struct Curve {
    double xs[Knots], ys[Knots];
    unsigned char table[256];
};

TEST(MonotoneCurveTable, LineGivesIdentity) {
    Curve c;
    for (int k = 0; k < Knots; ++k)
        c.xs[k] = c.ys[k] = k / 15.0;
    ASSERT_EQ(0, MonotoneCurveTable(Knots, c.xs, c.ys, c.table));
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(i, c.table[i]) << i;
    double two[2] = {0, 1};
    ASSERT_EQ(0, MonotoneCurveTable(2, two, two, c.table));
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(i, c.table[i]) << i;
}

TEST(MonotoneCurveTable, CappedKnotsStayAtCap) {
    Curve c;
    for (int k = 0; k < Knots; ++k) {
        c.xs[k] = k / 15.0;
        c.ys[k] = std::min(k / 15.0, 0.6);
    }
    ASSERT_EQ(0, MonotoneCurveTable(Knots, c.xs, c.ys, c.table));
    EXPECT_EQ(153, *std::max_element(c.table, c.table + 256));
    for (int i = 153; i < 256; ++i)
        EXPECT_EQ(153, c.table[i]) << i;
    for (int i = 1; i < 256; ++i)
        EXPECT_GE(c.table[i], c.table[i - 1]) << i;
}

TEST(MonotoneCurveTable, EqualNeighboursGiveFlatInterval) {
    double xs[4] = {0, 0.3, 0.6, 1};
    double ys[4] = {0, 0.4, 0.4, 1};
    double slopes[4];
    MonotoneSlopes(4, xs, ys, slopes);
    EXPECT_EQ(0, slopes[1]);
    EXPECT_EQ(0, slopes[2]);
    unsigned char table[256];
    ASSERT_EQ(0, MonotoneCurveTable(4, xs, ys, table));
    for (int i = 77; i <= 153; ++i)
        EXPECT_EQ(102, table[i]) << i;
}

TEST(MonotoneCurveTable, SteepMonotoneKnotsGiveMonotoneTable) {
    // Drive levels of a real correction: a jump between close knots.
    double xs[6] = {0, 0.05, 0.06, 0.5, 0.51, 1};
    double ys[6] = {0, 0.02, 0.3, 0.35, 0.9, 1};
    unsigned char table[256];
    ASSERT_EQ(0, MonotoneCurveTable(6, xs, ys, table));
    EXPECT_EQ(0, table[0]);
    EXPECT_EQ(255, table[255]);
    for (int i = 1; i < 256; ++i)
        EXPECT_GE(table[i], table[i - 1]) << i;
}

TEST(MonotoneCurveTable, RefusesKnotsThatDoNotRise) {
    struct {
        int n;
        double xs[4];
    } cases[] = {
        {4, {0, 0.5, 0.5, 1}}, {4, {0, 0.6, 0.4, 1}}, {1, {0}}, {MONOTONE_MAX_KNOTS + 1, {0, 1}}};
    double ys[4] = {0, 0.5, 0.6, 1};
    for (auto& c : cases) {
        unsigned char table[256];
        std::memset(table, 7, sizeof table);
        EXPECT_EQ(1, MonotoneCurveTable(c.n, c.xs, ys, table));
        EXPECT_EQ(7, table[100]);
    }
}

TEST(HermiteValue, MatchesEndsAndSlopes) {
    EXPECT_DOUBLE_EQ(0.2, HermiteValue(0.5, 0.5, 1.5, 0.2, 0.9, 3, -1));
    EXPECT_DOUBLE_EQ(0.9, HermiteValue(1.5, 0.5, 1.5, 0.2, 0.9, 3, -1));
    double h = 1e-6;
    double slope = (HermiteValue(0.5 + h, 0.5, 1.5, 0.2, 0.9, 3, -1) - 0.2) / h;
    EXPECT_NEAR(3, slope, 1e-4);
}

} // namespace
