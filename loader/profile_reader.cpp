// Walks the profile's tag table and takes mLUT and desc out of the file's
// bytes. Sums of offsets and sizes are computed in 64 bits, so that values
// near 2^32 cannot wrap around and pass a bound.
#include "loader/profile_reader.h"

#include "engine/gamma_ramp.h"
#include "loader/input_file.h"
#include "loader/loader_state.h"
#include "text/text_utils.h"

#include <cstdlib>

namespace {

const uint32_t kTagCountPosition = 128;
const uint64_t kFirstOffsetField = 136; // tag 0's signature lies 4 bytes before it
const uint64_t kTagEntrySize = 12;
const uint64_t kLookupTableSize = 1536;
const uint64_t kDescriptionTextOffset = 12;
const int kRampEntries = 768;
enum { FOUND_TABLE = 1, FOUND_DESCRIPTION = 2, FOUND_BOTH = 3 };

// The data offset of the tag whose offset field is at p; 1 when the field
// or the data's first `needed` bytes lie outside the file.
int TagDataOffset(const unsigned char* block, uint64_t size, uint64_t p, uint64_t needed,
                  uint64_t* offset) {
    if (p + 4 > size) return 1;
    *offset = ReadU32BE(block, static_cast<uint32_t>(p));
    return *offset + needed > size ? 1 : 0;
}

int ReadTableTag(const unsigned char* block, uint64_t size, uint64_t p, GammaRamp* ramp) {
    uint64_t offset = 0;
    if (TagDataOffset(block, size, p, kLookupTableSize, &offset) != 0) return 1;
    for (int k = 0; k < kRampEntries; ++k)
        *RampEntry(ramp, k) =
            static_cast<unsigned short>(ReadU16BE(block, static_cast<uint32_t>(offset + 2 * k)));
    return 0;
}

// The text up to its zero byte, at most LOADER_DESCRIPTION_LIMIT characters,
// and never past the end of the file: a text without a zero byte ends there.
int ReadDescriptionTag(const unsigned char* block, uint64_t size, uint64_t p) {
    uint64_t offset = 0;
    if (TagDataOffset(block, size, p, kDescriptionTextOffset, &offset) != 0) return 1;
    const uint64_t start = offset + kDescriptionTextOffset;
    uint64_t length = 0;
    while (start + length < size && length < LOADER_DESCRIPTION_LIMIT && block[start + length])
        ++length;
    MoveBytes(block + start, LoaderDescription, static_cast<int>(length));
    LoaderDescription[length] = 0;
    return 0;
}

// Tag i's four-character signature, its offset field being at p.
void TagSignature(const unsigned char* block, uint64_t p, char* signature) {
    MoveBytes(block + p - 4, signature, 4);
    signature[4] = 0;
}

} // namespace

uint32_t ReadU32BE(const unsigned char* bytes, uint32_t position) {
    return static_cast<uint32_t>(bytes[position]) << 24 |
           static_cast<uint32_t>(bytes[position + 1]) << 16 |
           static_cast<uint32_t>(bytes[position + 2]) << 8 | bytes[position + 3];
}

unsigned int ReadU16BE(const unsigned char* bytes, uint32_t position) {
    return static_cast<unsigned int>(bytes[position]) << 8 | bytes[position + 1];
}

// Every entry is visited; a later mLUT or desc replaces an earlier one, and a
// count promising more entries than the file holds fails.
int ReadLookupTablesFromBlock(const unsigned char* block, uint32_t size, GammaRamp* ramp) {
    if (size < kFirstOffsetField - 4) return 1;
    const int32_t count = static_cast<int32_t>(ReadU32BE(block, kTagCountPosition));
    if (count <= 0) return 1;
    int found = 0;
    for (uint64_t i = 0; i < static_cast<uint64_t>(count); ++i) {
        const uint64_t p = kFirstOffsetField + kTagEntrySize * i;
        if (p > size) return 1;
        char signature[5];
        TagSignature(block, p, signature);
        if (EqualIgnoringCase(signature, "mlut")) {
            found |= FOUND_TABLE;
            if (ReadTableTag(block, size, p, ramp) != 0) return 1;
        } else if (EqualIgnoringCase(signature, "desc")) {
            found |= FOUND_DESCRIPTION;
            if (ReadDescriptionTag(block, size, p) != 0) return 1;
        }
    }
    return found == FOUND_BOTH ? 0 : 1;
}

// The file's whole image in one block, freed on every path.
int ReadProfileLookupTables(GammaRamp* ramp) {
    InputFile file;
    if (OpenInputFile(LoaderProfilePath, &file) != 0) return 1;
    uint32_t size = 0;
    uint32_t read = 0;
    unsigned char* block = nullptr;
    int failed = InputFileSize(file, &size);
    if (!failed) block = static_cast<unsigned char*>(malloc(size > 0 ? size : 1));
    failed =
        failed || block == nullptr || ReadInputBytes(file, block, size, &read) != 0 || read != size;
    CloseInputFile(file);
    if (!failed) failed = ReadLookupTablesFromBlock(block, size, ramp);
    free(block);
    return failed ? 1 : 0;
}
