// Byte, text and integer helpers. Upper-casing is done by hand (a to z only)
// so that every build behaves as the default "C" locale does.
#include "text/text_utils.h"

#include <cstdint>

int TextLength(const char* text) {
    int length = 0;
    while (text[length]) ++length;
    return length;
}

void FillBytes(void* destination, int count, int value) {
    unsigned char* bytes = static_cast<unsigned char*>(destination);
    for (int i = 0; i < count; ++i) bytes[i] = static_cast<unsigned char>(value);
}

void MoveBytes(const void* source, void* destination, int count) {
    const unsigned char* from = static_cast<const unsigned char*>(source);
    unsigned char* to = static_cast<unsigned char*>(destination);
    if (from == to || count <= 0) return;
    if (from > to) {
        for (int i = 0; i < count; ++i) to[i] = from[i];
    } else {
        for (int i = count - 1; i >= 0; --i) to[i] = from[i];
    }
}

void CopyTextLimited(const char* source, char* destination, int limit) {
    int n = TextLength(source);
    if (limit < n) n = limit < 0 ? 0 : limit;
    MoveBytes(source, destination, n);
    destination[n] = 0;
}

static unsigned char UpperCase(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') ? static_cast<unsigned char>(u - 'a' + 'A') : u;
}

int EqualIgnoringCase(const char* a, const char* b) {
    for (;; ++a, ++b) {
        if (UpperCase(*a) != UpperCase(*b)) return 0;
        if (*a == 0) return 1;
    }
}

int ParseInteger(const char** position, int* value) {
    const char* p = *position;
    const int negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    // Unsigned arithmetic: out-of-range inputs wrap modulo 2^32 instead of
    // overflowing a signed value.
    uint32_t magnitude = 0;
    const char* firstDigit = p;
    for (; *p >= '0' && *p <= '9'; ++p) magnitude = magnitude * 10u + static_cast<uint32_t>(*p - '0');
    if (negative) magnitude = 0u - magnitude;
    *value = static_cast<int>(magnitude);
    *position = p;
    return p == firstDigit ? 1 : 0;
}

int ParseWholeInteger(const char* text, int* value) {
    const char* position = text;
    if (ParseInteger(&position, value) != 0) return 1;
    return *position != 0 ? 1 : 0;
}
