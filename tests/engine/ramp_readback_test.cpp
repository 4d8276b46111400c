// The read-back check of a ramp load: what an adapter that took the ramp gives
// back (8-bit precision, resampled tables) passes; a ramp the adapter kept in
// place of the loaded one fails, wherever the difference lies.
#include "engine/ramp_readback.h"

#include "engine/lookup_tables.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void MakeGammaRamp(double gamma, GammaRamp* ramp) {
    for (int i = 0; i < 256; ++i) {
        const double level = 65535 * std::pow(i / 255.0, gamma);
        ramp->red[i] = ramp->green[i] = ramp->blue[i] = static_cast<unsigned short>(level + 0.5);
    }
}

// What Wine gives back after a load: 8 bits kept, (v >> 8) x 257.
void KeepEightBits(GammaRamp* ramp) {
    unsigned short* blocks[3] = {ramp->red, ramp->green, ramp->blue};
    for (unsigned short* block : blocks)
        for (int i = 0; i < 256; ++i) block[i] = static_cast<unsigned short>((block[i] >> 8) * 257);
}

TEST(AdapterHoldsRamp, AcceptsWhatAnAdapterKeepsOfTheLoadedRamp) {
    GammaRamp linear, calibration, readBack;
    MakeLinearRamp(&linear);
    MakeGammaRamp(1 / 1.1, &calibration);
    readBack = linear;
    EXPECT_EQ(1, AdapterHoldsRamp(&linear, &readBack));
    KeepEightBits(&readBack);
    EXPECT_EQ(1, AdapterHoldsRamp(&linear, &readBack));
    readBack = calibration;
    KeepEightBits(&readBack);
    EXPECT_EQ(1, AdapterHoldsRamp(&calibration, &readBack));
}

struct Deviation {
    int block; // 0 red, 1 green, 2 blue
    int index;
    int steps; // 8-bit steps added to the loaded entry
    int held;
};

class AdapterHoldsRampDeviation : public testing::TestWithParam<Deviation> {};

TEST_P(AdapterHoldsRampDeviation, AllowsOneEightBitStepAndNoMore) {
    const Deviation deviation = GetParam();
    GammaRamp loaded, readBack;
    MakeGammaRamp(1 / 1.2, &loaded);
    readBack = loaded;
    unsigned short* blocks[3] = {readBack.red, readBack.green, readBack.blue};
    blocks[deviation.block][deviation.index] =
        static_cast<unsigned short>(blocks[deviation.block][deviation.index] + 256 * deviation.steps);
    EXPECT_EQ(deviation.held, AdapterHoldsRamp(&loaded, &readBack));
}

INSTANTIATE_TEST_SUITE_P(Entries, AdapterHoldsRampDeviation,
                         testing::Values(Deviation{0, 1, 1, 1}, Deviation{1, 128, -1, 1},
                                         Deviation{2, 200, 1, 1}, Deviation{0, 1, 2, 0},
                                         Deviation{1, 128, -2, 0}, Deviation{2, 200, 2, 0},
                                         Deviation{2, 100, -40, 0}));

TEST(AdapterHoldsRamp, ComparesTheHighByteOnly) {
    GammaRamp loaded, readBack;
    MakeLinearRamp(&loaded);
    readBack = loaded;
    loaded.green[18] = 0x12FF;
    readBack.green[18] = 0x1300; // the next 8-bit level: one step
    EXPECT_EQ(1, AdapterHoldsRamp(&loaded, &readBack));
    readBack.green[18] = 0x1400; // 0x12FF and 0x1400 are 0x12 and 0x14: two steps
    EXPECT_EQ(0, AdapterHoldsRamp(&loaded, &readBack));
}

// An adapter that ignored the load of the linear ramp and kept gamma 0.8: the
// case measured under the emulating library (red[1] = 771 where 257 was loaded).
TEST(AdapterHoldsRamp, RejectsTheRampLeftInTheAdapter) {
    GammaRamp linear, left;
    MakeLinearRamp(&linear);
    MakeGammaRamp(0.8, &left);
    KeepEightBits(&left);
    EXPECT_EQ(771, left.red[1]);
    EXPECT_EQ(0, AdapterHoldsRamp(&linear, &left));
}

} // namespace
