// Velloran's profile reader: every profile the wizard writes reads back, and
// small crafted files probe each bound of the tag walk.
#include "loader/profile_reader.h"

#include "engine/gamma_ramp.h"
#include "loader/loader_state.h"
#include "profile/icc_profile.h"
#include "tests/profile/profile_fixtures.h"
#include "text/text_utils.h"
#include "wizard/calibration_settings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

typedef std::vector<unsigned char> Bytes;

struct Tag {
    const char* signature;
    uint32_t offset;
};

void Put32(Bytes& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<unsigned char>(value >> (24 - 8 * i));
}

// 128 header bytes, the count and the table entries (their size fields 0).
Bytes Table(uint32_t count, const std::vector<Tag>& tags) {
    Bytes bytes(132 + 12 * tags.size(), 0);
    Put32(bytes, 128, count);
    for (size_t i = 0; i < tags.size(); ++i)
        memcpy(&bytes[132 + 12 * i], tags[i].signature, 4);
    for (size_t i = 0; i < tags.size(); ++i)
        Put32(bytes, 136 + 12 * i, tags[i].offset);
    return bytes;
}

// mLUT data: entry k = k x step + first.
void AppendLookupTable(Bytes& bytes, unsigned first, unsigned step) {
    for (unsigned k = 0; k < 768; ++k) {
        const unsigned value = (first + k * step) & 0xFFFF;
        bytes.push_back(static_cast<unsigned char>(value >> 8));
        bytes.push_back(static_cast<unsigned char>(value));
    }
}

// desc data: type, reserved, count, then the text (with its zero when asked).
void AppendDescription(Bytes& bytes, const std::string& text, bool terminated) {
    const char head[12] = {'d', 'e', 's', 'c', 0, 0, 0, 0, 0, 0, 0, 6};
    bytes.insert(bytes.end(), head, head + 12);
    bytes.insert(bytes.end(), text.begin(), text.end());
    if (terminated) bytes.push_back(0);
}

// Two entries, mLUT data at 156 and desc data at 1692, ending at 1710.
Bytes Minimal(const char* tableSignature = "mLUT", const char* descSignature = "desc") {
    Bytes bytes = Table(2, {{tableSignature, 156}, {descSignature, 1692}});
    AppendLookupTable(bytes, 0, 3);
    AppendDescription(bytes, "Hello", true);
    return bytes;
}

Bytes WithCount(Bytes bytes, uint32_t count) {
    Put32(bytes, 128, count);
    return bytes;
}

Bytes TableEndingTheFile() {
    Bytes bytes = Table(2, {{"desc", 156}, {"mLUT", 174}});
    AppendDescription(bytes, "Hello", true);
    AppendLookupTable(bytes, 0, 3);
    return bytes;
}

Bytes Truncated(Bytes bytes, size_t count) {
    bytes.resize(bytes.size() - count);
    return bytes;
}

Bytes OnlyTable() {
    Bytes bytes = Table(1, {{"mLUT", 144}});
    AppendLookupTable(bytes, 0, 3);
    return bytes;
}

Bytes OnlyDescription() {
    Bytes bytes = Table(1, {{"desc", 144}});
    AppendDescription(bytes, "Hello", true);
    return bytes;
}

Bytes WithOffset(Bytes bytes, int entry, uint32_t offset) {
    Put32(bytes, 136 + 12 * entry, offset);
    return bytes;
}

Bytes DescriptionText(const std::string& text, bool terminated) {
    Bytes bytes = Table(2, {{"mLUT", 156}, {"desc", 1692}});
    AppendLookupTable(bytes, 0, 3);
    AppendDescription(bytes, text, terminated);
    return bytes;
}

Bytes TwoTables() {
    Bytes bytes = Table(3, {{"mLUT", 168}, {"desc", 3240}, {"mLUT", 1704}});
    AppendLookupTable(bytes, 0, 3);
    AppendLookupTable(bytes, 7, 5);
    AppendDescription(bytes, "Hello", true);
    return bytes;
}

// The desc signature fills the file's last four bytes: its offset is beyond.
Bytes SignatureAtTheEnd() {
    Bytes bytes = Table(2, {{"mLUT", 0}, {"desc", 0}});
    bytes.resize(148);
    return bytes;
}

// mLUT data fills the file from 144 to 1680, so the table's entries 1 to 128
// lie inside it; entry 129 is a desc whose signature fills 1680 to 1683 and
// whose offset field (p = 1684) holds 0. Handed to the reader with a smaller
// size, the bytes past that size make a valid empty description: a missing
// bound shows in the result itself, not only under the sanitizers.
Bytes DescriptionAtTheEnd() {
    Bytes bytes = Table(130, {{"mLUT", 144}});
    AppendLookupTable(bytes, 0, 3);
    const char entry[12] = {'d', 'e', 's', 'c'};
    bytes.insert(bytes.end(), entry, entry + 12);
    return bytes;
}

std::string ReadPath(const std::string& path, GammaRamp* ramp, int* result) {
    CopyTextLimited(path.c_str(), LoaderProfilePath, LOADER_PATH_SIZE - 1);
    CopyTextLimited("(unchanged)", LoaderDescription, LOADER_DESCRIPTION_LIMIT);
    *result = ReadProfileLookupTables(ramp);
    return LoaderDescription;
}

// Writes the bytes to a file and reads it as Velloran does.
std::string ReadCrafted(const Bytes& bytes, GammaRamp* ramp, int* result) {
    const std::string path = TestFilePath("crafted.icm");
    WriteWholeFile(path, bytes);
    const std::string description = ReadPath(path, ramp, result);
    std::remove(path.c_str());
    return description;
}

unsigned Entry(const GammaRamp& ramp, int k) {
    return k < 256 ? ramp.red[k] : k < 512 ? ramp.green[k - 256] : ramp.blue[k - 512];
}

TEST(ProfileReader, CraftedFiles) {
    const std::string longText(1200, 'L');
    const struct {
        const char* name;
        Bytes bytes;
        int result;
        std::string description; // checked when the read succeeds
        unsigned first, step;    // the ramp read, when it succeeds
    } cases[] = {
        {"as the wizard lays it out", Minimal(), 0, "Hello", 0, 3},
        {"signatures in capitals", Minimal("MLUT", "DESC"), 0, "Hello", 0, 3},
        {"signatures in small letters", Minimal("mlut", "Desc"), 0, "Hello", 0, 3},
        {"signatures in mixed case", Minimal("MlUt", "dEsC"), 0, "Hello", 0, 3},
        {"no desc", OnlyTable(), 1, "", 0, 0},
        {"no mLUT", OnlyDescription(), 1, "", 0, 0},
        {"mLUT signature with a zero byte", Minimal("mLU\0", "desc"), 1, "", 0, 0},
        {"empty file", Bytes(), 1, "", 0, 0},
        {"131 bytes", Bytes(131, 0), 1, "", 0, 0},
        {"132 bytes", WithCount(Bytes(132, 0), 1), 1, "", 0, 0},
        {"tag count 0", WithCount(Minimal(), 0), 1, "", 0, 0},
        {"tag count negative", WithCount(Minimal(), 0x80000000u), 1, "", 0, 0},
        {"tag count -1", WithCount(Minimal(), 0xFFFFFFFFu), 1, "", 0, 0},
        {"tag count beyond the file", WithCount(Minimal(), 200), 1, "", 0, 0},
        {"tag count 2^31 - 1", WithCount(Minimal(), 0x7FFFFFFFu), 1, "", 0, 0},
        {"mLUT ends with the file", TableEndingTheFile(), 0, "Hello", 0, 3},
        {"mLUT one byte short", Truncated(TableEndingTheFile(), 1), 1, "", 0, 0},
        {"mLUT offset 2^32 - 1", WithOffset(Minimal(), 0, 0xFFFFFFFFu), 1, "", 0, 0},
        {"mLUT end wraps to 0", WithOffset(Minimal(), 0, 0xFFFFFA00u), 1, "", 0, 0},
        {"mLUT end wraps into the file", WithOffset(Minimal(), 0, 0xFFFFFC00u), 1, "", 0, 0},
        {"desc text wraps to 0", WithOffset(Minimal(), 1, 0xFFFFFFF4u), 1, "", 0, 0},
        {"desc offset 2^32 - 1", WithOffset(Minimal(), 1, 0xFFFFFFFFu), 1, "", 0, 0},
        {"desc offset at the end", WithOffset(Minimal(), 1, 1710), 1, "", 0, 0},
        {"desc text begins at the end", DescriptionText("", false), 0, "", 0, 3},
        {"desc text without a zero byte", DescriptionText("Hello", false), 0, "Hello", 0, 3},
        {"desc of 1200 characters", DescriptionText(longText, true), 0, longText.substr(0, 1000), 0,
         3},
        {"two mLUT entries", TwoTables(), 0, "Hello", 7, 5},
        {"desc signature in the last bytes", SignatureAtTheEnd(), 1, "", 0, 0},
    };
    for (const auto& c : cases) {
        GammaRamp ramp = {};
        int result = -1;
        const std::string description = ReadCrafted(c.bytes, &ramp, &result);
        EXPECT_EQ(c.result, result) << c.name;
        if (c.result != 0 || result != 0) continue;
        EXPECT_EQ(c.description, description) << c.name;
        for (int k = 0; k < 768; ++k)
            ASSERT_EQ((c.first + k * c.step) & 0xFFFF, Entry(ramp, k)) << c.name;
    }
}

TEST(ProfileReader, BoundsAtTheEndOfTheFile) {
    const Bytes lastEntry = DescriptionAtTheEnd();
    Bytes oneMore = WithCount(lastEntry, 131); // entry 130: zeros at 1692 to 1703
    oneMore.resize(1704, 0);
    const struct {
        const char* name;
        const Bytes& bytes;
        uint32_t size;
        int result;
    } cases[] = {
        {"desc signature cut by the end (p > size)", lastEntry, 1683, 1},
        {"desc signature ends the file (p = size)", lastEntry, 1684, 1},
        {"desc offset field cut by the end (p + 4 > size)", lastEntry, 1686, 1},
        {"desc offset field in the file", lastEntry, 1688, 0},
        {"an entry beyond the end after both tags", oneMore, 1688, 1},
        {"the same entry in the file", oneMore, 1704, 0},
    };
    for (const auto& c : cases) {
        GammaRamp ramp = {};
        EXPECT_EQ(c.result, ReadLookupTablesFromBlock(c.bytes.data(), c.size, &ramp)) << c.name;
    }
}

TEST(ProfileReader, MissingFileFails) {
    GammaRamp ramp;
    int result = -1;
    ReadPath(TestFilePath("no-such-profile.icm"), &ramp, &result);
    EXPECT_EQ(1, result);
}

TEST(ProfileReader, BigEndianReads) {
    const unsigned char bytes[] = {0x01, 0x02, 0x03, 0x04, 0xFF, 0xFE};
    EXPECT_EQ(0x01020304u, ReadU32BE(bytes, 0));
    EXPECT_EQ(0x0304FFFEu, ReadU32BE(bytes, 2));
    EXPECT_EQ(0xFFFEu, ReadU16BE(bytes, 4));
}

// Whatever the wizard writes, Velloran reads back: the same 768 entries in
// the same order and the same description bytes.
TEST(ProfileRoundTrip, EveryProfileTheWriterMakesReadsBack) {
    const std::string longest(338, 'D');
    const struct {
        std::string description, copyright;
        int gammaIndex;
        int ramp; // 0 known, 1 flat, 2 pseudo-random multiples of 256
    } cases[] = {{"Test panel", "", 0, 0},
                 {"", "", 1, 1},
                 {"A", "(c)", 0, 2},
                 {longest, longest, 1, 0},
                 {"\xC9"
                  "cran de bureau",
                  "\xA9 Orvane", 0, 2},
                 {std::string(337, 'e'), "x", 1, 1}};
    unsigned seed = 12345;
    for (const auto& c : cases) {
        SetKnownCalibration();
        SetProfileTexts(c.description.c_str(), c.copyright.c_str());
        CalibrationSettings.gammaIndex = c.gammaIndex;
        if (c.ramp == 1) SetFlatCorrectionRamp();
        for (int i = 0; c.ramp == 2 && i < 768; ++i) {
            seed = seed * 1103515245u + 12345u;
            unsigned short* block = i < 256   ? CorrectionRamp.red
                                    : i < 512 ? CorrectionRamp.green
                                              : CorrectionRamp.blue;
            block[i % 256] = static_cast<unsigned short>((seed >> 16) & 0xFF00);
        }
        const std::string path = TestFilePath("round-trip.icm");
        OutputFile file;
        ASSERT_EQ(0, CreateOutputFile(path.c_str(), &file));
        ASSERT_EQ(0, WriteProfile(file));
        GammaRamp ramp = {};
        int result = -1;
        const std::string description = ReadPath(path, &ramp, &result);
        std::remove(path.c_str());
        EXPECT_EQ(0, result) << c.description;
        EXPECT_EQ(c.description, description);
        EXPECT_EQ(0, memcmp(&ramp, &CorrectionRamp, sizeof ramp)) << c.description;
    }
}

} // namespace
