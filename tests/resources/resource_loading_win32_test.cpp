// The resource compiler takes every picture and icon, and the system loads
// them back with the sizes and depths that the drawing code expects.
#include <gtest/gtest.h>
#include <windows.h>

#include "resources/resource_ids.h"

namespace {

TEST(ResourceLoading, EveryBitmapLoadsWithItsSizeAndDepth) {
    struct Case {
        int id, width, height, bits;
    } cases[] = {
        {IDBLACKPOINTER, 13, 11, 24},      {IDREDPOINTER, 13, 11, 24},
        {IDGREENPOINTER, 13, 11, 24},      {IDBLUEPOINTER, 13, 11, 24},
        {IDCHROMATICITYD75, 440, 440, 24}, {IDCHROMATICITYD65, 440, 440, 24},
        {IDCHROMATICITYD50, 440, 440, 24}, {IDCURVES, 440, 440, 8},
        {IDREFERENCEIMAGE, 400, 338, 24},
    };
    for (const Case& c : cases) {
        HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(c.id));
        ASSERT_NE(bitmap, nullptr) << c.id;
        BITMAP description{};
        EXPECT_NE(GetObjectA(bitmap, sizeof description, &description), 0) << c.id;
        EXPECT_EQ(description.bmWidth, c.width) << c.id;
        EXPECT_EQ(description.bmHeight, c.height) << c.id;
        DeleteObject(bitmap);
        HANDLE section = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(c.id), IMAGE_BITMAP,
                                    0, 0, LR_CREATEDIBSECTION);
        ASSERT_NE(section, nullptr) << c.id;
        GetObjectA(section, sizeof description, &description);
        EXPECT_EQ(description.bmBitsPixel, c.bits) << c.id;
        DeleteObject(section);
    }
}

TEST(ResourceLoading, BothIconsLoadAtEverySize) {
    for (int id : {IDAPPLICATIONICON, IDMAIN}) {
        EXPECT_NE(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)), nullptr) << id;
        for (int size : {16, 32, 48}) {
            HICON icon = HICON(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                          IMAGE_ICON, size, size, 0));
            ASSERT_NE(icon, nullptr) << id << " at " << size;
            ICONINFO info{};
            ASSERT_TRUE(GetIconInfo(icon, &info));
            BITMAP colour{};
            GetObjectA(info.hbmColor, sizeof colour, &colour);
            EXPECT_EQ(colour.bmWidth, size) << id;
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
            DestroyIcon(icon);
        }
    }
}

} // namespace
