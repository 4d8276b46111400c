// The linear solver: pivoting, singular matrices (b untouched) and a system
// with a known solution.
#include "engine/linear_solver.h"

#include <gtest/gtest.h>

namespace {

TEST(SolveLinearSystem, IdentityLeavesRightSideAlone) {
    double a[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    double b[3] = {4, -5, 6};
    ASSERT_EQ(0, SolveLinearSystem(a, 3, b));
    EXPECT_EQ(4, b[0]);
    EXPECT_EQ(-5, b[1]);
    EXPECT_EQ(6, b[2]);
}

TEST(SolveLinearSystem, PivotsPastZeroDiagonal) {
    double a[4] = {0, 1, 1, 0};
    double b[2] = {2, 3};
    ASSERT_EQ(0, SolveLinearSystem(a, 2, b));
    EXPECT_DOUBLE_EQ(3, b[0]);
    EXPECT_DOUBLE_EQ(2, b[1]);
}

TEST(SolveLinearSystem, SingularMatricesFailWithRightSideUntouched) {
    struct Case {
        int n;
        double a[9];
    } cases[] = {
        {3, {1, 2, 3, 1, 2, 3, 0, 1, 5}}, // two equal rows
        {3, {1, 2, 3, 2, 4, 6, 7, 1, 0}}, // proportional rows
        {2, {0, 0, 0, 0}},
        {1, {0}},
    };
    for (Case& c : cases) {
        double b[3] = {7, 8, 9};
        EXPECT_EQ(1, SolveLinearSystem(c.a, c.n, b));
        EXPECT_EQ(7, b[0]);
        EXPECT_EQ(8, b[1]);
        EXPECT_EQ(9, b[2]);
    }
}

TEST(SolveLinearSystem, SolvesGeneralSystem) {
    // x = (1, -2, 3) for a matrix that needs row swaps at both steps.
    double a[9] = {1, 2, -1, 4, 1, 2, -3, 5, 6};
    double b[3] = {1 - 4 - 3, 4 - 2 + 6, -3 - 10 + 18};
    ASSERT_EQ(0, SolveLinearSystem(a, 3, b));
    EXPECT_NEAR(1, b[0], 1e-12);
    EXPECT_NEAR(-2, b[1], 1e-12);
    EXPECT_NEAR(3, b[2], 1e-12);
}

TEST(DecomposeLU, TracksPermutationSign) {
    int pivot[2];
    double once[4] = {0, 1, 1, 0};
    ASSERT_EQ(0, DecomposeLU(once, 2, pivot));
    EXPECT_EQ(1, pivot[0]);
    EXPECT_EQ(-1, pivot[1]);
    double none[4] = {2, 1, 1, 3};
    ASSERT_EQ(0, DecomposeLU(none, 2, pivot));
    EXPECT_EQ(0, pivot[0]);
    EXPECT_EQ(1, pivot[1]);
}

} // namespace
