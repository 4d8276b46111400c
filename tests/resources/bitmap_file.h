// Reading the committed Windows bitmap and icon files back, for the tests
// that check what the generators wrote: header fields, pixels, icon sizes.
#pragma once
#include <cstdint>
#include <vector>

struct BitmapFile {
    int width;
    int height; // rows, top-down as seen (the file stores them bottom-up)
    int bits;   // 8 (palette) or 24
    std::vector<uint8_t> bytes;
};

struct Rgb {
    int red;
    int green;
    int blue;
};

struct IconSize {
    int width;
    int height;
    int bits;
};

int ReadBinaryFile(const char* path, std::vector<uint8_t>* bytes);
int ReadBitmapFile(const char* path, BitmapFile* bitmap);
Rgb PixelAt(const BitmapFile& bitmap, int x, int y);
int ReadIconSizes(const char* path, std::vector<IconSize>* sizes);
