// Random mutations of real profiles through the reader, each in a heap block
// of exactly the file's size, so that the sanitizers of the host build catch
// any read outside the file's bytes. Fixed seed: every run is the same.
#include "loader/profile_reader.h"

#include "loader/loader_state.h"
#include "tests/profile/profile_fixtures.h"
#include "text/text_utils.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

typedef std::vector<unsigned char> Bytes;

const int kIterations = 60000;

std::vector<Bytes> SeedProfiles() {
    std::vector<Bytes> seeds;
    SetKnownCalibration();
    seeds.push_back(BuildProfileBytes());
    SetProfileTexts("", "");
    seeds.push_back(BuildProfileBytes());
    const std::string longest(338, 'z');
    SetProfileTexts(longest.c_str(), longest.c_str());
    seeds.push_back(BuildProfileBytes());
    return seeds;
}

// Sizes and offsets at and around the bounds the reader checks.
uint32_t InterestingValue(std::mt19937& random, size_t size) {
    const uint32_t s = static_cast<uint32_t>(size);
    const uint32_t values[] = {0,
                               1,
                               11,
                               12,
                               131,
                               132,
                               s,
                               s - 1,
                               s - 12,
                               s - 11,
                               s - 1536,
                               s - 1535,
                               0x7FFFFFFFu,
                               0x80000000u,
                               0xFFFFFFFFu,
                               0xFFFFFA00u,
                               0xFFFFFFF4u,
                               0xFFFFFC00u,
                               static_cast<uint32_t>(random())};
    return values[random() % (sizeof values / sizeof values[0])];
}

void Put32(Bytes& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4 && at + i < bytes.size(); ++i)
        bytes[at + i] = static_cast<unsigned char>(value >> (24 - 8 * i));
}

// A field the reader looks at: the count, or an entry's signature or offset.
size_t InterestingPosition(std::mt19937& random) {
    const size_t entry = random() % 14;
    switch (random() % 3) {
    case 0: return 128;
    case 1: return 132 + 12 * entry;
    default: return 136 + 12 * entry;
    }
}

void Mutate(Bytes& bytes, std::mt19937& random) {
    static const char* const kSignatures[] = {"mLUT", "desc", "MLUT", "DESC", "cprt"};
    switch (random() % 6) {
    case 0:
        if (!bytes.empty())
            bytes[random() % bytes.size()] ^= static_cast<unsigned char>(1u << (random() % 8));
        break;
    case 1:
        Put32(bytes, InterestingPosition(random), InterestingValue(random, bytes.size()));
        break;
    case 2: {
        const size_t at = 132 + 12 * (random() % 12);
        if (at + 4 <= bytes.size()) memcpy(&bytes[at], kSignatures[random() % 5], 4);
        break;
    }
    case 3: bytes.resize(random() % (bytes.size() + 1)); break;
    case 4: bytes.resize(bytes.size() + random() % 64, static_cast<unsigned char>(random())); break;
    default:
        if (!bytes.empty()) bytes.erase(bytes.begin() + static_cast<long>(random() % bytes.size()));
        break;
    }
}

// Runs the reader on a block of exactly the file's size.
int ReadExactBlock(const Bytes& bytes, GammaRamp* ramp) {
    unsigned char* block = static_cast<unsigned char*>(malloc(bytes.size() > 0 ? bytes.size() : 1));
    if (!bytes.empty()) memcpy(block, bytes.data(), bytes.size());
    const int result = ReadLookupTablesFromBlock(block, static_cast<uint32_t>(bytes.size()), ramp);
    free(block);
    return result;
}

TEST(ProfileReaderFuzz, MutatedProfilesNeverReadOutsideTheFile) {
    const std::vector<Bytes> seeds = SeedProfiles();
    std::mt19937 random(20240307u);
    int accepted = 0;
    for (int i = 0; i < kIterations; ++i) {
        Bytes bytes = seeds[random() % seeds.size()];
        const int mutations = 1 + static_cast<int>(random() % 4);
        for (int m = 0; m < mutations; ++m)
            Mutate(bytes, random);
        LoaderDescription[0] = 0;
        GammaRamp ramp;
        const int result = ReadExactBlock(bytes, &ramp);
        ASSERT_TRUE(result == 0 || result == 1) << "iteration " << i;
        ASSERT_LE(TextLength(LoaderDescription), LOADER_DESCRIPTION_LIMIT);
        accepted += result == 0;
    }
    // The mutations must reach both outcomes to probe anything.
    EXPECT_GT(accepted, kIterations / 20);
    EXPECT_LT(accepted, kIterations - kIterations / 20);
    std::printf("[fuzz] %d mutated profiles, %d accepted, %d refused\n", kIterations, accepted,
                kIterations - accepted);
}

} // namespace
