// In-memory registry key behind the settings seam. A read that does not fit
// scribbles over the whole buffer without a terminator, as a careless reader
// of the real registry might find it, so tests catch any use of it.
#include "tests/wizard/settings_store_fake.h"

#include <cstring>

#include "wizard/settings_store.h"

namespace {

const int kMaxValues = 16;
const int kMaxValueSize = 1024;

struct FakeValueEntry {
    char name[32];
    char bytes[kMaxValueSize];
    int size;
};

FakeValueEntry values[kMaxValues];
int valueCount = 0;
int keyExists = 0;
int keyCreatable = 1;
int keyOpen = 0;

FakeValueEntry* FindValue(const char* name) {
    for (int i = 0; i < valueCount; ++i)
        if (std::strcmp(values[i].name, name) == 0) return &values[i];
    return nullptr;
}

} // namespace

void ResetFakeSettingsKey(int exists, int creatable) {
    valueCount = 0;
    keyExists = exists;
    keyCreatable = creatable;
    keyOpen = 0;
}

void PutFakeValue(const char* name, const char* bytes, int size) {
    FakeValueEntry* entry = FindValue(name);
    if (entry == nullptr) {
        entry = &values[valueCount++];
        std::strncpy(entry->name, name, sizeof entry->name - 1);
    }
    std::memcpy(entry->bytes, bytes, size);
    entry->size = size;
}

void PutFakeText(const char* name, const char* text) {
    PutFakeValue(name, text, static_cast<int>(std::strlen(text)) + 1);
}

const char* FakeValue(const char* name, int* size) {
    const FakeValueEntry* entry = FindValue(name);
    if (entry == nullptr) return nullptr;
    *size = entry->size;
    return entry->bytes;
}

int FakeKeyExists() {
    return keyExists;
}
int FakeValueCount() {
    return valueCount;
}

int OpenSettingsKey() {
    keyOpen = keyExists;
    return keyOpen ? 0 : 1;
}

int CreateSettingsKey() {
    if (!keyCreatable) return 1;
    keyExists = 1;
    keyOpen = 1;
    return 0;
}

int ReadSettingsValue(const char* name, char* buffer, int capacity, int* size) {
    const FakeValueEntry* entry = keyOpen ? FindValue(name) : nullptr;
    if (entry == nullptr) return 1;
    if (entry->size > capacity) {
        std::memset(buffer, '#', capacity);
        return 1;
    }
    std::memcpy(buffer, entry->bytes, entry->size);
    *size = entry->size;
    return 0;
}

void WriteSettingsValue(const char* name, const char* text) {
    if (keyOpen) PutFakeText(name, text);
}

void CloseSettingsKey() {
    keyOpen = 0;
}
