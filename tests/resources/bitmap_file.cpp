// Minimal readers for the uncompressed bitmaps (BITMAPINFOHEADER, 8 and 24
// bits, bottom-up) and the icon directories that the generators write.
#include "tests/resources/bitmap_file.h"

#include <cstdio>

static uint32_t ReadU32LE(const std::vector<uint8_t>& bytes, size_t at) {
    if (at + 4 > bytes.size()) return 0;
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | uint32_t(bytes[at + 3]) << 24;
}

static uint16_t ReadU16LE(const std::vector<uint8_t>& bytes, size_t at) {
    if (at + 2 > bytes.size()) return 0;
    return uint16_t(bytes[at] | bytes[at + 1] << 8);
}

int ReadBinaryFile(const char* path, std::vector<uint8_t>* bytes) {
    FILE* file = std::fopen(path, "rb");
    if (!file) return 1;
    bytes->clear();
    uint8_t block[65536];
    size_t count;
    while ((count = std::fread(block, 1, sizeof block, file)) > 0)
        bytes->insert(bytes->end(), block, block + count);
    std::fclose(file);
    return 0;
}

int ReadBitmapFile(const char* path, BitmapFile* bitmap) {
    if (ReadBinaryFile(path, &bitmap->bytes) != 0) return 1;
    const std::vector<uint8_t>& bytes = bitmap->bytes;
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return 1;
    bitmap->width = int(ReadU32LE(bytes, 18));
    bitmap->height = int(ReadU32LE(bytes, 22));
    bitmap->bits = ReadU16LE(bytes, 28);
    size_t stride = (size_t(bitmap->width) * bitmap->bits / 8 + 3) & ~size_t(3);
    size_t end = ReadU32LE(bytes, 10) + stride * size_t(bitmap->height);
    bool supported = (bitmap->bits == 8 || bitmap->bits == 24) && ReadU32LE(bytes, 30) == 0;
    return supported && bitmap->width > 0 && bitmap->height > 0 && end <= bytes.size() ? 0 : 1;
}

Rgb PixelAt(const BitmapFile& bitmap, int x, int y) {
    const std::vector<uint8_t>& bytes = bitmap.bytes;
    if (x < 0 || y < 0 || x >= bitmap.width || y >= bitmap.height) return Rgb{-1, -1, -1};
    size_t stride = (size_t(bitmap.width) * bitmap.bits / 8 + 3) & ~size_t(3);
    size_t row = ReadU32LE(bytes, 10) + stride * size_t(bitmap.height - 1 - y);
    if (bitmap.bits == 24) {
        size_t at = row + 3 * size_t(x);
        return Rgb{bytes[at + 2], bytes[at + 1], bytes[at]};
    }
    size_t entry = 14 + ReadU32LE(bytes, 14) + 4 * size_t(bytes[row + x]);
    return Rgb{bytes[entry + 2], bytes[entry + 1], bytes[entry]};
}

int ReadIconSizes(const char* path, std::vector<IconSize>* sizes) {
    std::vector<uint8_t> bytes;
    if (ReadBinaryFile(path, &bytes) != 0 || ReadU16LE(bytes, 2) != 1) return 1;
    sizes->clear();
    for (int i = 0; i < ReadU16LE(bytes, 4); ++i) {
        size_t image = ReadU32LE(bytes, 6 + 16 * size_t(i) + 12);
        if (image + 40 > bytes.size() || ReadU32LE(bytes, image) != 40) return 1;
        sizes->push_back(IconSize{int(ReadU32LE(bytes, image + 4)),
                                  int(ReadU32LE(bytes, image + 8)) / 2,
                                  ReadU16LE(bytes, image + 14)});
    }
    return 0;
}
