// The ramps: the linear ramp, the target white's device colour from measured
// primaries, and the calibration ramp from corrected greys, including greys
// and primaries that a badly set monitor or a misplaced calibrator produce.
#include "engine/lookup_tables.h"

#include "engine/calibration_record.h"
#include "engine/colour_arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

void SetPrimaries(const double chromaticities[3][2], double whiteX, double whiteY) {
    double* fields[3] = {CalibrationRecord.redChromaticity, CalibrationRecord.greenChromaticity,
                         CalibrationRecord.blueChromaticity};
    for (int k = 0; k < 3; ++k) {
        fields[k][0] = chromaticities[k][0];
        fields[k][1] = chromaticities[k][1];
        fields[k][2] = 1 - chromaticities[k][0] - chromaticities[k][1];
    }
    CalibrationRecord.whiteXYZ[0] = whiteX / whiteY;
    CalibrationRecord.whiteXYZ[1] = 1;
    CalibrationRecord.whiteXYZ[2] = (1 - whiteX - whiteY) / whiteY;
}

const double SrgbPrimaries[3][2] = {{0.64, 0.33}, {0.30, 0.60}, {0.15, 0.06}};

TEST(MakeLinearRamp, EntriesAre257TimesIndex) {
    GammaRamp ramp;
    MakeLinearRamp(&ramp);
    int indexes[4] = {0, 1, 128, 255};
    unsigned short expected[4] = {0, 257, 32896, 65535};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(expected[k], ramp.red[indexes[k]]);
        EXPECT_EQ(expected[k], ramp.green[indexes[k]]);
        EXPECT_EQ(expected[k], ramp.blue[indexes[k]]);
    }
}

TEST(TargetWhiteDeviceRgb, SrgbMonitorAtD65) {
    struct {
        int whitePoint, gamma;
        int device[3]; // DeviceRgbFor before scaling
        int scaled[3];
    } cases[] = {
        {WHITE_POINT_D50, 0, {275, 252, 220}, {255, 233, 204}},
        {WHITE_POINT_D50, 1, {-1, -1, -1}, {255, 230, 194}},
        {WHITE_POINT_D75, 0, {-1, -1, -1}, {232, 240, 255}},
        {WHITE_POINT_D65, 0, {255, 255, 255}, {255, 255, 255}},
        {WHITE_POINT_D65, 1, {255, 255, 255}, {255, 255, 255}},
    };
    for (auto& c : cases) {
        SetTargetsFromIndexes(c.whitePoint, c.gamma);
        SetPrimaries(SrgbPrimaries, 0.3127, 0.3290);
        int rgb[3];
        ASSERT_EQ(0, TargetWhiteDeviceRgb(rgb));
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(c.scaled[k], rgb[k]) << c.whitePoint << " " << k;
        if (c.device[0] < 0) continue;
        const double* t = CalibrationRecord.targetWhiteXYZ;
        DeviceRgbFor(t[0], t[1], t[2], CalibrationRecord.targetGamma, rgb);
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(c.device[k], rgb[k]) << c.whitePoint << " " << k;
    }
}

TEST(ComputeXyzToDevice, MapsMeasuredWhiteToOnes) {
    SetPrimaries(SrgbPrimaries, 0.33, 0.35);
    ASSERT_EQ(0, ComputeXyzToDevice());
    for (int k = 0; k < 3; ++k) {
        const double* row = CalibrationRecord.xyzToDevice[k];
        const double* w = CalibrationRecord.whiteXYZ;
        EXPECT_NEAR(1, row[0] * w[0] + row[1] * w[1] + row[2] * w[2], 1e-12);
    }
}

TEST(TargetWhiteDeviceRgb, DegeneratePrimariesAreRefused) {
    SetTargetsFromIndexes(WHITE_POINT_D65, 0);
    const double alike[3][2] = {{0.64, 0.33}, {0.64, 0.33}, {0.15, 0.06}};
    const double grey[3][2] = {{0.31, 0.33}, {0.31, 0.33}, {0.31, 0.33}};
    const double narrow[3][2] = {{0.40, 0.35}, {0.33, 0.40}, {0.30, 0.30}};
    struct {
        const double (*primaries)[2];
        double whiteX, whiteY;
    } cases[] = {{alike, 0.3127, 0.3290},
                 {grey, 0.31, 0.33},
                 {SrgbPrimaries, 0.70, 0.29},
                 {narrow, 0.20, 0.20}};
    for (auto& c : cases) {
        SetPrimaries(c.primaries, c.whiteX, c.whiteY);
        int rgb[3] = {-7, -7, -7};
        EXPECT_EQ(1, TargetWhiteDeviceRgb(rgb));
    }
}

TEST(TargetWhiteDeviceRgb, TargetOutsidePrimariesTurnsChannelOff) {
    // A narrow gamut around D65: D75 lies beyond its blue-green edge.
    const double narrow[3][2] = {{0.36, 0.33}, {0.30, 0.37}, {0.30, 0.30}};
    SetTargetsFromIndexes(WHITE_POINT_D75, 0);
    SetPrimaries(narrow, 0.3127, 0.3290);
    int rgb[3];
    ASSERT_EQ(0, TargetWhiteDeviceRgb(rgb));
    EXPECT_EQ(0, rgb[0]);
    EXPECT_EQ(255, Max3(rgb[0], rgb[1], rgb[2]));
    EXPECT_GE(rgb[1], 0);
    EXPECT_GE(rgb[2], 0);
}

struct Greys {
    int red[16], green[16], blue[16];
    double luminance[16];
};

Greys IdealGreys(double gamma) {
    Greys g;
    for (int k = 0; k < 16; ++k) {
        g.red[k] = g.green[k] = g.blue[k] = 17 * k;
        g.luminance[k] = std::pow(k / 15.0, gamma);
    }
    return g;
}

int BuildFrom(const Greys& g) {
    return BuildCorrectionRamp(g.red, g.green, g.blue, g.luminance);
}

TEST(BuildCorrectionRamp, IdealGreysGiveIdentity) {
    for (int gamma = 0; gamma < 2; ++gamma) {
        SetTargetsFromIndexes(WHITE_POINT_D65, gamma);
        std::memset(&ExitRamp, 0, sizeof ExitRamp);
        ASSERT_EQ(0, BuildFrom(IdealGreys(CalibrationRecord.targetGamma)));
        for (int i = 0; i < 256; ++i) {
            ASSERT_EQ(256 * i, CorrectionRamp.red[i]) << i;
            ASSERT_EQ(256 * i, CorrectionRamp.green[i]) << i;
            ASSERT_EQ(256 * i, CorrectionRamp.blue[i]) << i;
        }
        EXPECT_EQ(0, std::memcmp(&ExitRamp, &CorrectionRamp, sizeof ExitRamp));
    }
}

void ExpectSoundRamp(const GammaRamp& ramp) {
    const unsigned short* blocks[3] = {ramp.red, ramp.green, ramp.blue};
    for (const unsigned short* block : blocks) {
        EXPECT_EQ(0, block[0]);
        EXPECT_EQ(65280, block[255]);
        for (int i = 0; i < 256; ++i) {
            ASSERT_EQ(0, block[i] % 256) << i;
            if (i > 0) {
                ASSERT_GE(block[i], block[i - 1]) << i;
            }
        }
    }
}

TEST(BuildCorrectionRamp, LuminancesThatDoNotRiseStillGiveSoundRamp) {
    SetTargetsFromIndexes(WHITE_POINT_D65, 0);
    Greys crushed = IdealGreys(2.2); // first greys read as black
    crushed.luminance[1] = crushed.luminance[2] = crushed.luminance[3] = 0;
    Greys noisy = IdealGreys(2.2); // shadows below black, a grey that falls back
    noisy.luminance[1] = -0.0004;
    noisy.luminance[5] = noisy.luminance[4];
    noisy.luminance[9] = noisy.luminance[8] - 0.01;
    noisy.luminance[14] = 1.02;
    Greys broken = IdealGreys(2.2); // readings that are not numbers
    broken.luminance[6] = NAN;
    broken.luminance[7] = INFINITY;
    Greys chasing = IdealGreys(2.2); // dark corrections that chased noise
    chasing.blue[1] = 30;
    chasing.blue[2] = 26;
    chasing.blue[3] = 24;
    for (const Greys* g : {&crushed, &noisy, &broken, &chasing}) {
        ASSERT_EQ(0, BuildFrom(*g));
        ExpectSoundRamp(CorrectionRamp);
        EXPECT_EQ(0, std::memcmp(&ExitRamp, &CorrectionRamp, sizeof ExitRamp));
    }
    // A crushed grey is left out: the next knot that rises carries it.
    ASSERT_EQ(0, BuildFrom(crushed));
    int grey4 = static_cast<int>(std::pow(crushed.luminance[4], 1 / 2.2) * 255 + 0.5);
    EXPECT_EQ(68 * 256, CorrectionRamp.red[grey4]);
}

} // namespace
