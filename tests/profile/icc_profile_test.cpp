// The profile's bytes: header, tag table, offsets for every text length, the
// tag data encodings, and the file WriteProfile leaves on disk.
#include "profile/icc_profile.h"

#include "engine/calibration_record.h"
#include "engine/gamma_ramp.h"
#include "tests/profile/profile_fixtures.h"
#include "wizard/calibration_settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

typedef std::vector<unsigned char> Bytes;

unsigned U32(const Bytes& b, int at) {
    return unsigned(b[at]) << 24 | unsigned(b[at + 1]) << 16 | unsigned(b[at + 2]) << 8 | b[at + 3];
}
unsigned U16(const Bytes& b, int at) {
    return unsigned(b[at]) << 8 | b[at + 1];
}
std::string Text(const Bytes& b, int at, int count) {
    return std::string(reinterpret_cast<const char*>(&b[at]), count);
}

struct TagEntry {
    const char* signature;
    unsigned offset;
    unsigned size;
};

void ExpectTagTable(const Bytes& profile, const TagEntry (&expected)[12]) {
    EXPECT_EQ(12u, U32(profile, 128));
    for (int i = 0; i < 12; ++i) {
        const int entry = 132 + 12 * i;
        EXPECT_EQ(expected[i].signature, Text(profile, entry, 4)) << "entry " << i;
        EXPECT_EQ(expected[i].offset, U32(profile, entry + 4)) << expected[i].signature;
        EXPECT_EQ(expected[i].size, U32(profile, entry + 8)) << expected[i].signature;
    }
}

std::string RepeatedText(char c, int count) {
    return std::string(size_t(count), c);
}

TEST(ProfileLayout, WorkedExampleOffsetsAndSize) {
    SetKnownCalibration(); // "Test panel": 10 characters, empty copyright
    const Bytes profile = BuildProfileBytes();
    ASSERT_EQ(2862u, profile.size());
    EXPECT_EQ(2862u, U32(profile, 0));
    const TagEntry expected[12] = {{"cprt", 276, 9},  {"desc", 288, 101},  {"wtpt", 392, 20},
                                   {"bkpt", 412, 20}, {"rXYZ", 432, 20},   {"gXYZ", 452, 20},
                                   {"bXYZ", 472, 20}, {"rTRC", 492, 14},   {"gTRC", 508, 14},
                                   {"bTRC", 524, 14}, {"mLUT", 540, 1536}, {"vcgt", 2076, 786}};
    ExpectTagTable(profile, expected);
}

TEST(ProfileLayout, LongestTextsOffsetsAndSize) {
    SetKnownCalibration();
    const std::string description = RepeatedText('d', 338), copyright = RepeatedText('c', 338);
    SetProfileTexts(description.c_str(), copyright.c_str());
    const Bytes profile = BuildProfileBytes();
    ASSERT_EQ(3526u, profile.size());
    const TagEntry expected[12] = {{"cprt", 276, 347}, {"desc", 624, 429},   {"wtpt", 1056, 20},
                                   {"bkpt", 1076, 20}, {"rXYZ", 1096, 20},   {"gXYZ", 1116, 20},
                                   {"bXYZ", 1136, 20}, {"rTRC", 1156, 14},   {"gTRC", 1172, 14},
                                   {"bTRC", 1188, 14}, {"mLUT", 1204, 1536}, {"vcgt", 2740, 786}};
    ExpectTagTable(profile, expected);
    EXPECT_EQ(copyright, Text(profile, 284, 338));
    EXPECT_EQ(description, Text(profile, 636, 338));
    EXPECT_EQ(339u, U32(profile, 632));
}

// A settings field without its terminating zero still yields 338 characters.
TEST(ProfileLayout, TextsAreCutAtTheLongestTheLayoutAllows) {
    SetKnownCalibration();
    memset(CalibrationSettings.profileDescription, 'x', DESCRIPTION_SIZE);
    memset(CalibrationSettings.copyrightNotice, 'y', DESCRIPTION_SIZE);
    const Bytes profile = BuildProfileBytes();
    EXPECT_EQ(3526u, profile.size());
    EXPECT_EQ(339u, U32(profile, 632));
    EXPECT_EQ(0, profile[636 + 338]);
    EXPECT_EQ(0, profile[284 + 338]);
}

// Every byte the layout does not name is zero, every offset is a multiple of
// 4 and the file ends 2 bytes past one, for any pair of text lengths.
TEST(ProfileLayout, OffsetsAndGapsForEveryTextLength) {
    const int lengths[] = {0, 1, 2, 3, 4, 5, 77, 78, 79, 80, 81, 200, 337, 338};
    for (int lc : lengths) {
        for (int ld : lengths) {
            SetKnownCalibration();
            SetProfileTexts(RepeatedText('d', ld).c_str(), RepeatedText('c', lc).c_str());
            const Bytes profile = BuildProfileBytes();
            const int d = 284 + ((lc + 1 + 3) / 4) * 4;
            const int w = d + 12 + ((ld + 79 + 3) / 4) * 4;
            SCOPED_TRACE("lc " + std::to_string(lc) + " ld " + std::to_string(ld));
            ASSERT_EQ(size_t(w + 2470), profile.size());
            EXPECT_EQ(2u, profile.size() % 4);
            for (int i = 0; i < 12; ++i)
                EXPECT_EQ(0u, U32(profile, 136 + 12 * i) % 4);
            EXPECT_EQ(unsigned(d), U32(profile, 148));
            EXPECT_EQ(unsigned(w), U32(profile, 160));
            for (int at = 284 + lc; at < d; ++at)
                ASSERT_EQ(0, profile[at]) << at;
            for (int at = d + 12 + ld; at < w; ++at)
                ASSERT_EQ(0, profile[at]) << at;
            for (int c = 0; c < 3; ++c)
                EXPECT_EQ(0u, U16(profile, w + 114 + 16 * c));
        }
    }
}

TEST(ProfileHeader, FixedFieldsAndDate) {
    SetKnownCalibration();
    const int dateBefore = LocalDateStamp();
    const Bytes profile = BuildProfileBytes();
    const int dateAfter = LocalDateStamp();
    EXPECT_EQ("ORVN", Text(profile, 4, 4));
    EXPECT_EQ(0x02400000u, U32(profile, 8));
    EXPECT_EQ("mntrRGB XYZ ", Text(profile, 12, 12));
    EXPECT_EQ("acspMSFT", Text(profile, 36, 8));
    EXPECT_EQ(0u, U32(profile, 44));
    EXPECT_EQ("N/A N/A ", Text(profile, 48, 8));
    for (int at = 56; at < 68; ++at)
        EXPECT_EQ(0, profile[at]) << at;
    EXPECT_EQ(0x0000F6D6u, U32(profile, 68));
    EXPECT_EQ(0x00010000u, U32(profile, 72));
    EXPECT_EQ(0x0000D32Du, U32(profile, 76));
    EXPECT_EQ("ORVN", Text(profile, 80, 4));
    for (int at = 84; at < 128; ++at)
        EXPECT_EQ(0, profile[at]) << at;
    const int stamp =
        int(U16(profile, 24)) * 10000 + int(U16(profile, 26)) * 100 + U16(profile, 28);
    EXPECT_TRUE(stamp == dateBefore || stamp == dateAfter) << stamp;
    EXPECT_LE(U16(profile, 30), 23u);
    EXPECT_LE(U16(profile, 32), 59u);
    EXPECT_LE(U16(profile, 34), 59u);
}

TEST(ProfileTags, TextTagsAsWritten) {
    SetKnownCalibration();
    SetProfileTexts("Test panel", "(c) Orvane");
    const Bytes profile = BuildProfileBytes();
    EXPECT_EQ(19u, U32(profile, 140));
    EXPECT_EQ(Text(profile, 276, 19), std::string("text\0\0\0\0(c) Orvane\0", 19));
    const int d = 276 + 8 + 12;
    ASSERT_EQ(unsigned(d), U32(profile, 148));
    EXPECT_EQ(Text(profile, d, 23), std::string("desc\0\0\0\0\0\0\0\x0bTest panel\0", 23));
    for (int at = d + 23; at < d + 101; ++at)
        EXPECT_EQ(0, profile[at]) << at;
}

TEST(ProfileTags, EmptyTexts) {
    SetKnownCalibration();
    SetProfileTexts("", "");
    const Bytes profile = BuildProfileBytes();
    EXPECT_EQ(9u, U32(profile, 140));
    EXPECT_EQ(0, profile[284]);
    EXPECT_EQ(288u, U32(profile, 148));
    EXPECT_EQ(91u, U32(profile, 152));
    EXPECT_EQ(1u, U32(profile, 296));
}

// XYZ numbers: x 65535, half away from zero, negative values in two's complement.
TEST(ProfileTags, XyzNumbers) {
    SetKnownCalibration();
    CalibrationRecord.redXYZ[0] = 0.5;   // 32767.5 -> 32768
    CalibrationRecord.redXYZ[1] = -0.5;  // -32767.5 -> -32768
    CalibrationRecord.redXYZ[2] = -0.01; // -655.35 -> -655
    CalibrationRecord.greenXYZ[0] = std::numeric_limits<double>::quiet_NaN();
    const Bytes profile = BuildProfileBytes();
    const int w = 392;
    EXPECT_EQ("XYZ ", Text(profile, w, 4));
    EXPECT_EQ(62291u, U32(profile, w + 8));       // 0.9505
    EXPECT_EQ(0x0000FFFFu, U32(profile, w + 12)); // Y = 1
    EXPECT_EQ(71355u, U32(profile, w + 16));      // 1.0888: 71354.508
    for (int at = w + 28; at < w + 40; ++at)
        EXPECT_EQ(0, profile[at]) << "bkpt " << at;
    EXPECT_EQ("bkpt", Text(profile, 168, 4));
    EXPECT_EQ(0x00008000u, U32(profile, w + 48));
    EXPECT_EQ(0xFFFF8000u, U32(profile, w + 52));
    EXPECT_EQ(0xFFFFFD71u, U32(profile, w + 56));
    EXPECT_EQ(0u, U32(profile, w + 68));
    EXPECT_EQ(unsigned(std::lround(0.0606 * 65535)), U32(profile, w + 92));
}

TEST(ProfileTags, CurvesCarryTheTargetGamma) {
    const struct {
        int gammaIndex;
        unsigned char high, low;
    } cases[] = {{0, 0x02, 0x33}, {1, 0x01, 0xCD}, {2, 0, 0}};
    for (const auto& c : cases) {
        SetKnownCalibration();
        CalibrationSettings.gammaIndex = c.gammaIndex;
        const Bytes profile = BuildProfileBytes();
        for (int channel = 0; channel < 3; ++channel) {
            const int at = 492 + 16 * channel;
            EXPECT_EQ(std::string("curv\0\0\0\0\0\0\0\x01", 12), Text(profile, at, 12));
            EXPECT_EQ(c.high, profile[at + 12]) << c.gammaIndex;
            EXPECT_EQ(c.low, profile[at + 13]) << c.gammaIndex;
        }
    }
}

TEST(ProfileTags, FlatRampLookupTables) {
    SetKnownCalibration();
    SetFlatCorrectionRamp();
    const Bytes profile = BuildProfileBytes();
    for (int k = 0; k < 768; ++k)
        EXPECT_EQ(unsigned(k % 256 * 256), U16(profile, 540 + 2 * k)) << k;
    EXPECT_EQ(std::string("vcgt\0\0\0\0\0\0\0\0\0\x03\x01\0\0\x01", 18), Text(profile, 2076, 18));
    for (int k = 0; k < 768; ++k)
        EXPECT_EQ(k % 256, profile[2076 + 18 + k]) << k;
}

// Channel order red, green, blue in both tags; vcgt rounds and never wraps.
TEST(ProfileTags, LookupTablesKeepChannelOrder) {
    SetKnownCalibration();
    CorrectionRamp.green[10] = 0x1234; // not a multiple of 256: rounds to 0x12
    CorrectionRamp.green[11] = 0x1280; // half way: rounds up to 0x13
    CorrectionRamp.blue[255] = 65535;  // beyond the calibration's range: stays 255
    const Bytes profile = BuildProfileBytes();
    const int m = 540, v = 2076 + 18;
    EXPECT_EQ(unsigned(200 * 256), U16(profile, m + 2 * 200));
    EXPECT_EQ(unsigned(200 * 240 / 255 * 256), U16(profile, m + 2 * (256 + 200)));
    EXPECT_EQ(unsigned((15 + 200 * 240 / 255) * 256), U16(profile, m + 2 * (512 + 200)));
    EXPECT_EQ(0x1234u, U16(profile, m + 2 * (256 + 10)));
    EXPECT_EQ(200, profile[v + 200]);
    EXPECT_EQ(200 * 240 / 255, profile[v + 256 + 200]);
    EXPECT_EQ(15 + 200 * 240 / 255, profile[v + 512 + 200]);
    EXPECT_EQ(0x12, profile[v + 256 + 10]);
    EXPECT_EQ(0x13, profile[v + 256 + 11]);
    EXPECT_EQ(255, profile[v + 767]);
}

TEST(ProfileTags, LookupTableEntryFoundAsTheReaderLooksForIt) {
    SetKnownCalibration();
    const Bytes profile = BuildProfileBytes();
    EXPECT_EQ(12u, U32(profile, 128));
    EXPECT_EQ("mLUT", Text(profile, 132 + 10 * 12, 4));
    EXPECT_EQ(profile.size() - 786, U32(profile, 136 + 10 * 12) + 1536);
}

TEST(Align4, RoundsUpToMultiplesOfFour) {
    const int cases[][2] = {{0, 0}, {1, 4}, {3, 4}, {4, 4}, {5, 8}, {339, 340}, {417, 420}};
    for (const auto& c : cases)
        EXPECT_EQ(c[1], Align4(c[0])) << c[0];
}

TEST(PutBigEndian, StoresMostSignificantFirst) {
    unsigned char bytes[6] = {9, 9, 9, 9, 9, 9};
    PutU32BE(bytes, 1, 0x01020304u);
    EXPECT_EQ(0, memcmp(bytes, "\x09\x01\x02\x03\x04\x09", 6));
    PutU16BE(bytes, 0, 0xABCDEFu); // only the low 16 bits
    EXPECT_EQ(0xCD, bytes[0]);
    EXPECT_EQ(0xEF, bytes[1]);
}

// The file on disk is the built profile, byte for byte, and it is closed.
TEST(WriteProfile, WritesTheWholeProfileAndClosesTheFile) {
    SetKnownCalibration();
    const std::string path = TestFilePath("write-profile.icm");
    OutputFile file;
    ASSERT_EQ(0, CreateOutputFile(path.c_str(), &file));
    ASSERT_EQ(0, WriteProfile(file));
    const std::string written = ReadWholeFile(path);
    const Bytes built = BuildProfileBytes();
    ASSERT_EQ(built.size(), written.size());
    EXPECT_EQ(Text(built, 36, built.size() - 36), written.substr(36));
    EXPECT_EQ(Text(built, 0, 24), written.substr(0, 24));
    // Removing succeeds only for a closed file on Windows.
    EXPECT_EQ(0, std::remove(path.c_str()));
}

} // namespace
