// CIEDE2000 against published reference pairs (Sharma, Wu and Dalal 2005),
// chosen to cover the hue seam, the mean-hue cases and near-neutral colours,
// and CIELAB of a few known colours.
#include "tests/bench/colour_difference.h"

#include <gtest/gtest.h>

namespace {

TEST(DeltaE2000, ReferencePairs) {
    struct {
        double lab1[3], lab2[3], expected;
    } pairs[] = {
        {{50, 2.6772, -79.7751}, {50, 0, -82.7485}, 2.0425},
        {{50, -1.3802, -84.2814}, {50, 0, -82.7485}, 1.0000},
        {{50, 0, 0}, {50, -1, 2}, 2.3669},
        {{50, 2.49, -0.001}, {50, -2.49, 0.0009}, 7.1792},
        {{50, 2.49, -0.001}, {50, -2.49, 0.0011}, 7.2195},
        {{50, -0.001, 2.49}, {50, 0.0009, -2.49}, 4.8045},
        {{50, -0.001, 2.49}, {50, 0.0011, -2.49}, 4.7461},
        {{50, 2.5, 0}, {50, 0, -2.5}, 4.3065},
        {{50, 2.5, 0}, {73, 25, -18}, 27.1492},
        {{50, 2.5, 0}, {56, -27, -3}, 31.9030},
        {{50, 2.5, 0}, {50, 3.1736, 0.5854}, 1.0000},
        {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
        {{22.7233, 20.0904, -46.6940}, {23.0331, 14.9730, -42.5619}, 2.0373},
        {{90.8027, -2.0831, 1.4410}, {91.1528, -1.6435, 0.0447}, 1.4441},
        {{6.7747, -0.2908, -2.4247}, {5.8714, -0.0985, -2.2286}, 0.6377},
        {{2.0776, 0.0795, -1.1350}, {0.9033, -0.0636, -0.5514}, 0.9082},
    };
    for (auto& p : pairs) {
        EXPECT_NEAR(p.expected, DeltaE2000(p.lab1, p.lab2), 0.00005) << p.expected;
        EXPECT_NEAR(p.expected, DeltaE2000(p.lab2, p.lab1), 0.00005) << p.expected;
    }
}

TEST(LabFromXyz, WhiteGreyAndDark) {
    const double white[3] = {95.047, 100, 108.883};
    double lab[3];
    LabFromXyz(white, white, lab);
    EXPECT_NEAR(100, lab[0], 1e-9);
    EXPECT_NEAR(0, lab[1], 1e-9);
    EXPECT_NEAR(0, lab[2], 1e-9);
    const double grey[3] = {95.047 * 0.18418651851244416, 18.418651851244416,
                            108.883 * 0.18418651851244416};
    LabFromXyz(grey, white, lab);
    EXPECT_NEAR(50, lab[0], 1e-9);
    const double dark[3] = {0.5, 0.5, 0.5}; // below the linear segment's joint
    LabFromXyz(dark, white, lab);
    EXPECT_NEAR(903.2963 * 0.005, lab[0], 1e-4);
}

} // namespace
