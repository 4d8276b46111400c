// The committed pictures: sizes and depths that the drawing code relies on,
// and chart contents that must sit where the results window's mapping puts
// them (grid, white point mark, spectrum locus), pointer tips, grey scales.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/calibration_record.h"
#include "engine/colour_arithmetic.h"
#include "tests/resources/bitmap_file.h"

namespace {

std::string ResourcePath(const char* name) {
    return std::string(RESOURCE_FOLDER "/") + name;
}

BitmapFile LoadBitmapFile(const char* name) {
    BitmapFile bitmap{};
    EXPECT_EQ(ReadBitmapFile(ResourcePath(name).c_str(), &bitmap), 0) << name;
    return bitmap;
}

// The results window's gamut mapping, relative to the bitmap's corner.
void ChartPixel(double x, double y, int* px, int* py) {
    *px = 20 + RoundToInt(400 * x);
    *py = 420 - RoundToInt(400 * y);
}

bool IsBlack(Rgb c) {
    return c.red == 0 && c.green == 0 && c.blue == 0;
}
bool IsGrey(Rgb c) {
    return c.red == c.green && c.green == c.blue;
}
int Saturation(Rgb c) {
    return std::max({c.red, c.green, c.blue}) - std::min({c.red, c.green, c.blue});
}

const char* const ChartFiles[] = {"chromaticity_d65.bmp", "chromaticity_d50.bmp",
                                  "chromaticity_d75.bmp", "curves.bmp"};

TEST(ResourcePictures, BitmapsHaveTheSizeAndDepthThatTheirUsersExpect) {
    struct Case {
        const char* name;
        int width, height, bits;
    } cases[] = {
        {"chromaticity_d65.bmp", 440, 440, 24}, {"chromaticity_d50.bmp", 440, 440, 24},
        {"chromaticity_d75.bmp", 440, 440, 24}, {"curves.bmp", 440, 440, 8},
        {"pointer_black.bmp", 13, 11, 24},      {"pointer_red.bmp", 13, 11, 24},
        {"pointer_green.bmp", 13, 11, 24},      {"pointer_blue.bmp", 13, 11, 24},
        {"reference.bmp", 400, 338, 24},
    };
    for (const Case& c : cases) {
        BitmapFile bitmap = LoadBitmapFile(c.name);
        EXPECT_EQ(bitmap.width, c.width) << c.name;
        EXPECT_EQ(bitmap.height, c.height) << c.name;
        EXPECT_EQ(bitmap.bits, c.bits) << c.name;
    }
}

TEST(ResourcePictures, IconsHoldSixteenThirtyTwoAndFortyEightPixelImages) {
    for (const char* name : {"prismoth.ico", "velloran.ico"}) {
        std::vector<IconSize> sizes;
        ASSERT_EQ(ReadIconSizes(ResourcePath(name).c_str(), &sizes), 0) << name;
        ASSERT_EQ(sizes.size(), 3u) << name;
        for (size_t i = 0; i < sizes.size(); ++i) {
            int expected[] = {16, 32, 48};
            EXPECT_EQ(sizes[i].width, expected[i]) << name;
            EXPECT_EQ(sizes[i].height, expected[i]) << name;
            EXPECT_EQ(sizes[i].bits, 32) << name;
        }
    }
}

// Grid lines every 0.1 on the mapped pixels, black plot beside them; taken
// at x or y = 0.95, where no diagram has colour or text.
TEST(ResourcePictures, ChartGridLinesLieOnTheMappedPixels) {
    for (const char* name : ChartFiles) {
        BitmapFile chart = LoadBitmapFile(name);
        for (int k = 0; k <= 10; ++k) {
            int px, py, qx, qy;
            ChartPixel(0.1 * k, 0.95, &px, &py);
            ChartPixel(0.95, 0.1 * k, &qx, &qy);
            Rgb vertical = PixelAt(chart, px, py), horizontal = PixelAt(chart, qx, qy);
            EXPECT_TRUE(IsGrey(vertical) && !IsBlack(vertical)) << name << " x " << k;
            EXPECT_TRUE(IsGrey(horizontal) && !IsBlack(horizontal)) << name << " y " << k;
            EXPECT_TRUE(IsBlack(PixelAt(chart, px + (k < 10 ? 1 : -1), py))) << name << k;
            EXPECT_TRUE(IsBlack(PixelAt(chart, qx, qy + (k > 0 ? 1 : -1)))) << name << k;
        }
    }
}

// The mark is a black cross exactly centred on the white's mapped pixel.
TEST(ResourcePictures, WhitePointMarkLiesAtTheMappedChromaticity) {
    const char* names[WHITE_POINT_COUNT] = {"chromaticity_d65.bmp", "chromaticity_d50.bmp",
                                            "chromaticity_d75.bmp"};
    for (int i = 0; i < WHITE_POINT_COUNT; ++i) {
        BitmapFile chart = LoadBitmapFile(names[i]);
        const double* xyz = ReferenceWhites[i];
        double sum = xyz[0] + xyz[1] + xyz[2];
        int cx, cy;
        ChartPixel(xyz[0] / sum, xyz[1] / sum, &cx, &cy);
        EXPECT_TRUE(IsBlack(PixelAt(chart, cx, cy))) << names[i];
        for (int d = 2; d <= 5; ++d) {
            EXPECT_TRUE(IsBlack(PixelAt(chart, cx - d, cy))) << names[i] << " left " << d;
            EXPECT_TRUE(IsBlack(PixelAt(chart, cx + d, cy))) << names[i] << " right " << d;
            EXPECT_TRUE(IsBlack(PixelAt(chart, cx, cy - d))) << names[i] << " up " << d;
            EXPECT_TRUE(IsBlack(PixelAt(chart, cx, cy + d))) << names[i] << " down " << d;
        }
        for (int dx : {-1, 1})
            for (int dy : {-1, 1})
                EXPECT_FALSE(IsBlack(PixelAt(chart, cx + dx, cy + dy))) << names[i];
    }
}

// Two pixels inside the locus (towards D65) there is colour of the
// wavelength's hue; two pixels outside there is none.
TEST(ResourcePictures, SpectrumLocusPassesThroughTheMappedWavelengths) {
    struct Case {
        int nanometres;
        double x, y;
        int dominant; // 0 red, 1 green, 2 blue
    } cases[] = {
        {470, 0.1241, 0.0578, 2}, {505, 0.0039, 0.6548, 1}, {520, 0.0743, 0.8338, 1},
        {560, 0.3731, 0.6245, 1}, {600, 0.6270, 0.3725, 0}, {650, 0.7260, 0.2740, 0},
    };
    int wx, wy;
    ChartPixel(0.3127, 0.3290, &wx, &wy);
    for (const char* name : {"chromaticity_d65.bmp", "chromaticity_d50.bmp"}) {
        BitmapFile chart = LoadBitmapFile(name);
        for (const Case& c : cases) {
            int px, py;
            ChartPixel(c.x, c.y, &px, &py);
            double length = std::hypot(wx - px, wy - py);
            double ux = (wx - px) / length, uy = (wy - py) / length;
            Rgb inside = PixelAt(chart, px + RoundToInt(2 * ux), py + RoundToInt(2 * uy));
            Rgb outside = PixelAt(chart, px - RoundToInt(2 * ux), py - RoundToInt(2 * uy));
            int channels[] = {inside.red, inside.green, inside.blue};
            EXPECT_GT(Saturation(inside), 60) << name << " " << c.nanometres;
            EXPECT_EQ(*std::max_element(channels, channels + 3), channels[c.dominant])
                << name << " " << c.nanometres;
            EXPECT_LT(Saturation(outside), 8) << name << " " << c.nanometres;
        }
    }
}

TEST(ResourcePictures, PointerTipIsColumnSixOfTheTopRowOnTheBarColour) {
    struct Case {
        const char* name;
        Rgb bar;
    } cases[] = {{"pointer_black.bmp", {0, 0, 0}},
                 {"pointer_red.bmp", {255, 0, 0}},
                 {"pointer_green.bmp", {0, 255, 0}},
                 {"pointer_blue.bmp", {0, 0, 255}}};
    auto same = [](Rgb a, Rgb b) {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    };
    for (const Case& c : cases) {
        BitmapFile pointer = LoadBitmapFile(c.name);
        EXPECT_TRUE(same(PixelAt(pointer, 6, 0), Rgb{255, 255, 255})) << c.name << " tip";
        EXPECT_TRUE(same(PixelAt(pointer, 6, 5), Rgb{128, 128, 128})) << c.name << " fill";
        for (int x : {0, 5, 7, 12})
            EXPECT_TRUE(same(PixelAt(pointer, x, 0), c.bar)) << c.name << " row 0 column " << x;
        EXPECT_TRUE(same(PixelAt(pointer, 0, 10), c.bar)) << c.name;
        EXPECT_TRUE(same(PixelAt(pointer, 12, 10), c.bar)) << c.name;
    }
}

// The right edge: a grey ramp from white at the top to black at the bottom,
// and beside it a stepped grey scale with the same ends.
TEST(ResourcePictures, ReferenceImageEndsInAGreyRampAndAGreyScale) {
    BitmapFile image = LoadBitmapFile("reference.bmp");
    int previous = 256, steps = 0, previousStep = 256;
    for (int y = 0; y < image.height; ++y) {
        Rgb ramp = PixelAt(image, image.width - 1, y), step = PixelAt(image, image.width - 30, y);
        ASSERT_TRUE(IsGrey(ramp) && IsGrey(step)) << y;
        EXPECT_LE(ramp.red, previous) << y;
        EXPECT_LE(step.red, previousStep) << y;
        steps += step.red != previousStep;
        previous = ramp.red;
        previousStep = step.red;
    }
    EXPECT_EQ(PixelAt(image, image.width - 1, 0).red, 255);
    EXPECT_EQ(PixelAt(image, image.width - 1, image.height - 1).red, 0);
    EXPECT_EQ(PixelAt(image, image.width - 30, 0).red, 255);
    EXPECT_EQ(PixelAt(image, image.width - 30, image.height - 1).red, 0);
    EXPECT_EQ(steps, 13);
    EXPECT_GT(Saturation(PixelAt(image, 150, 250)), 100); // the orange suit: colour
}

} // namespace
