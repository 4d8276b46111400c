// Builds the calibration's ICC profile in memory and writes it in one piece.
// Offsets follow from the two text lengths only: the copyright and
// description tags come first, everything after them has a fixed size.
#include "profile/icc_profile.h"

#include "engine/calibration_record.h"
#include "engine/colour_arithmetic.h"
#include "engine/gamma_ramp.h"
#include "text/text_utils.h"
#include "wizard/calibration_settings.h"

#include <cstdlib>

namespace {

const int kTagCountOffset = 128;
const int kTagTableOffset = 132;
const int kTagEntrySize = 12;
const int kTagCount = 12;
const int kTagDataOffset = kTagTableOffset + kTagCount * kTagEntrySize; // 276
const int kTypeHeaderSize = 8; // type signature and a reserved zero word
const int kXyzTagSize = 20;
const int kCurveTagSize = 14;
const int kCurveTagSpacing = 16; // two zero bytes keep the next tag aligned
const int kRampEntries = 768;
const int kLookupTableSize = 2 * kRampEntries; // mLUT: 16-bit entries
const int kVcgtHeaderSize = 18;
const int kVcgtTagSize = kVcgtHeaderSize + kRampEntries; // one byte per entry
// From the white point tag W to the end of the file: five XYZ tags, three
// curves, mLUT and vcgt.
const int kColorantsSize = 5 * kXyzTagSize;
const int kCurvesSize = 3 * kCurveTagSpacing;
const int kTailSize = kColorantsSize + kCurvesSize + kLookupTableSize + kVcgtTagSize; // 2470
// The XYZ tags use 65535 for 1.0, not the 65536 of the header's illuminant.
const double kXyzScale = 65535.0;
const double kLargestWholeDouble = 9.0e18; // still fits a 64-bit integer

// The table's order, which is also the order of the data.
enum {
    TAG_CPRT,
    TAG_DESC,
    TAG_WTPT,
    TAG_BKPT,
    TAG_RXYZ,
    TAG_GXYZ,
    TAG_BXYZ,
    TAG_RTRC,
    TAG_MLUT = 10,
    TAG_VCGT
};

void PutSignature(unsigned char* buffer, int offset, const char* signature) {
    for (int i = 0; i < 4; ++i)
        buffer[offset + i] = static_cast<unsigned char>(signature[i]);
}

// Table entry `index` for a tag of `size` bytes at `offset`.
void PutTagEntry(unsigned char* buffer, int index, const char* tag, int offset, int size) {
    const int entry = kTagTableOffset + index * kTagEntrySize;
    PutSignature(buffer, entry, tag);
    PutU32BE(buffer, entry + 4, static_cast<unsigned int>(offset));
    PutU32BE(buffer, entry + 8, static_cast<unsigned int>(size));
}

// The table entry and the type signature that opens the tag's data.
void PutTypedTag(unsigned char* buffer, int index, const char* tag, const char* type, int offset,
                 int size) {
    PutTagEntry(buffer, index, tag, offset, size);
    PutSignature(buffer, offset, type);
}

// year, month, day (or hour, minute, second) of a stamp as three 16-bit fields.
void PutStampFields(unsigned char* buffer, int offset, int stamp) {
    PutU16BE(buffer, offset, static_cast<unsigned int>(stamp / 10000));
    PutU16BE(buffer, offset + 2, static_cast<unsigned int>(stamp % 10000 / 100));
    PutU16BE(buffer, offset + 4, static_cast<unsigned int>(stamp % 100));
}

void PutHeader(unsigned char* buffer) {
    PutSignature(buffer, 4, "ORVN");
    PutU32BE(buffer, 8, 0x02400000u); // version 2.4.0
    PutSignature(buffer, 12, "mntr");
    PutSignature(buffer, 16, "RGB ");
    PutSignature(buffer, 20, "XYZ ");
    PutStampFields(buffer, 24, LocalDateStamp());
    PutStampFields(buffer, 30, LocalTimeStamp());
    PutSignature(buffer, 36, "acsp");
    PutSignature(buffer, 40, "MSFT");
    PutSignature(buffer, 48, "N/A ");
    PutSignature(buffer, 52, "N/A ");
    // The D50 connection-space white in 16.16 fixed point.
    PutU32BE(buffer, 68, 0x0000F6D6u);
    PutU32BE(buffer, 72, 0x00010000u);
    PutU32BE(buffer, 76, 0x0000D32Du);
    PutSignature(buffer, 80, "ORVN");
}

// Length of a settings text, never more than the layout allows (and never
// read past the end of its 339-byte field).
int LimitedTextLength(const char* text) {
    int length = 0;
    while (length < PROFILE_TEXT_LIMIT && text[length])
        ++length;
    return length;
}

// The copyright and description tags; returns W, the white point tag's offset.
int PutTextTags(unsigned char* buffer) {
    const char* copyright = CalibrationSettings.copyrightNotice;
    const char* description = CalibrationSettings.profileDescription;
    const int lc = LimitedTextLength(copyright);
    const int ld = LimitedTextLength(description);
    PutTypedTag(buffer, TAG_CPRT, "cprt", "text", kTagDataOffset, lc + 9);
    MoveBytes(copyright, buffer + kTagDataOffset + kTypeHeaderSize, lc);
    const int d = kTagDataOffset + kTypeHeaderSize + Align4(lc + 1);
    // The ASCII part only: the Unicode and ScriptCode parts stay empty (zero).
    PutTypedTag(buffer, TAG_DESC, "desc", "desc", d, ld + 91);
    PutU32BE(buffer, d + 8, static_cast<unsigned int>(ld + 1));
    MoveBytes(description, buffer + d + 12, ld);
    return d + 12 + Align4(ld + 79);
}

// value x 65535, rounded half away from zero, kept to its low 32 bits. Values
// no 64-bit integer holds (and NaN) are pinned rather than overflowing.
unsigned int XyzNumber(double value) {
    const double scaled = value * kXyzScale;
    if (scaled != scaled) return 0;
    if (scaled >= kLargestWholeDouble) return 0x7FFFFFFFu;
    if (scaled <= -kLargestWholeDouble) return 0x80000000u;
    const double rounded = scaled < 0 ? scaled - 0.5 : scaled + 0.5;
    return static_cast<unsigned int>(static_cast<long long>(rounded));
}

void PutXyzTag(unsigned char* buffer, int index, const char* tag, int offset, const double* xyz) {
    PutTypedTag(buffer, index, tag, "XYZ ", offset, kXyzTagSize);
    for (int c = 0; c < 3; ++c)
        PutU32BE(buffer, offset + 8 + 4 * c, XyzNumber(xyz[c]));
}

void PutColorantTags(unsigned char* buffer, int w) {
    static const double kBlack[3] = {0.0, 0.0, 0.0};
    PutXyzTag(buffer, TAG_WTPT, "wtpt", w, CalibrationRecord.whiteXYZ);
    PutXyzTag(buffer, TAG_BKPT, "bkpt", w + 20, kBlack);
    PutXyzTag(buffer, TAG_RXYZ, "rXYZ", w + 40, CalibrationRecord.redXYZ);
    PutXyzTag(buffer, TAG_GXYZ, "gXYZ", w + 60, CalibrationRecord.greenXYZ);
    PutXyzTag(buffer, TAG_BXYZ, "bXYZ", w + 80, CalibrationRecord.blueXYZ);
}

// The target gamma x 256 in 8.8 fixed point: 563 for 2.2, 461 for 1.8.
unsigned int CurveGamma(int gammaIndex) {
    if (gammaIndex < 0 || gammaIndex > 1) return 0;
    return static_cast<unsigned int>(RoundToInt(TargetGammas[gammaIndex] * 256.0));
}

// Three pure-gamma curves, all of the target gamma.
void PutCurveTags(unsigned char* buffer, int w) {
    static const char* const kTags[3] = {"rTRC", "gTRC", "bTRC"};
    const unsigned int gamma = CurveGamma(CalibrationSettings.gammaIndex);
    for (int c = 0; c < 3; ++c) {
        const int offset = w + kColorantsSize + c * kCurveTagSpacing;
        PutTypedTag(buffer, TAG_RTRC + c, kTags[c], "curv", offset, kCurveTagSize);
        PutU32BE(buffer, offset + 8, 1); // one entry: a gamma, not a table
        PutU16BE(buffer, offset + 12, gamma);
    }
}

// The 16-bit entry rounded to 8 bits; a full-scale 65535 stays 255.
unsigned char VcgtByte(unsigned int entry) {
    const unsigned int byte = (entry + 128) >> 8;
    return static_cast<unsigned char>(byte > 255 ? 255 : byte);
}

// mLUT holds the ramp at full precision, vcgt the same ramp at 8 bits.
void PutLookupTables(unsigned char* buffer, int w) {
    const int m = w + kColorantsSize + kCurvesSize;
    const int v = m + kLookupTableSize;
    PutTagEntry(buffer, TAG_MLUT, "mLUT", m, kLookupTableSize);
    PutTypedTag(buffer, TAG_VCGT, "vcgt", "vcgt", v, kVcgtTagSize);
    PutU16BE(buffer, v + 12, 3);   // channels (the gamma type at v + 8 is 0: a table)
    PutU16BE(buffer, v + 14, 256); // entries per channel
    PutU16BE(buffer, v + 16, 1);   // bytes per entry
    for (int k = 0; k < kRampEntries; ++k) {
        const unsigned int entry = RampEntry(CorrectionRamp, k);
        PutU16BE(buffer, m + 2 * k, entry);
        buffer[v + kVcgtHeaderSize + k] = VcgtByte(entry);
    }
}

} // namespace

void PutU16BE(unsigned char* buffer, int offset, unsigned int value) {
    buffer[offset] = static_cast<unsigned char>(value >> 8);
    buffer[offset + 1] = static_cast<unsigned char>(value);
}

void PutU32BE(unsigned char* buffer, int offset, unsigned int value) {
    PutU16BE(buffer, offset, value >> 16);
    PutU16BE(buffer, offset + 2, value & 0xFFFFu);
}

int Align4(int n) {
    return (n + 3) & ~3;
}

int BuildProfile(unsigned char* buffer) {
    PutHeader(buffer);
    PutU32BE(buffer, kTagCountOffset, kTagCount);
    const int w = PutTextTags(buffer);
    PutColorantTags(buffer, w);
    PutCurveTags(buffer, w);
    PutLookupTables(buffer, w);
    const int size = w + kTailSize;
    PutU32BE(buffer, 0, static_cast<unsigned int>(size));
    return size;
}

int WriteProfile(OutputFile file) {
    unsigned char* buffer = static_cast<unsigned char*>(malloc(PROFILE_BUFFER_SIZE));
    if (buffer == nullptr) return 1;
    FillBytes(buffer, PROFILE_BUFFER_SIZE, 0);
    const int size = BuildProfile(buffer);
    int written = size;
    // A profile cut short would be installed and loaded as if whole.
    const int failed = WriteOutputBytes(file, &written, buffer) != 0 || written != size;
    if (!failed) CloseOutputFile(file);
    free(buffer);
    return failed ? 1 : 0;
}
