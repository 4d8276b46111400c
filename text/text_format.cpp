// The formatter: a percent sign starts a conversion (decimals digit, trim flag
// z, then c d f s or %), a backslash escapes the next character. Output goes
// through one bounded writer so nothing is ever written past the capacity.
#include "text/text_format.h"

#include <cmath>
#include <cstdint>

namespace {

const int kDefaultDecimals = 4;
const int kMaxDecimals = 6;
const double kPowersOfTen[kMaxDecimals + 1] = {1, 10, 100, 1000, 10000, 100000, 1000000};
// Enough for 20 digits of a 64-bit magnitude, a point, a sign and padding.
const int kNumberBufferSize = 40;

struct OutputCursor {
    char* destination;
    int capacity;
    int written;
};

void PutByte(OutputCursor* out, char byte) {
    if (out->written + 1 < out->capacity) out->destination[out->written++] = byte;
}

void PutText(OutputCursor* out, const char* text) {
    while (*text) PutByte(out, *text++);
}

void Terminate(OutputCursor* out) {
    if (out->capacity > 0) out->destination[out->written] = 0;
}

char EscapedByte(char c) {
    switch (c) {
    case '0': return 0;
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    default: return c;
    }
}

// Reads one conversion after its percent sign; returns where the format goes on.
const char* FormatConversion(OutputCursor* out, const char* format, va_list* values) {
    int decimals = kDefaultDecimals;
    int trim = 0;
    char number[kNumberBufferSize];
    for (;; ++format) {
        const unsigned char c = static_cast<unsigned char>(*format);
        if (c >= '0' && c <= '6') {
            decimals = c - '0';
            continue;
        }
        if (c == 'z') {
            trim = 1;
            continue;
        }
        switch (c) {
        case 0: return format;  // the format ended inside the conversion
        case '%': PutByte(out, '%'); break;
        case 'c': PutByte(out, static_cast<char>(va_arg(*values, int) & 0xFF)); break;
        case 'd':
            IntegerToText(va_arg(*values, int), number, kNumberBufferSize);
            PutText(out, number);
            break;
        case 'f':
            RealToText(va_arg(*values, double), number, kNumberBufferSize, decimals, trim);
            PutText(out, number);
            break;
        case 's': PutText(out, va_arg(*values, const char*)); break;
        default: break;  // any other character is consumed silently
        }
        return format + 1;
    }
}

// Digits of magnitude n with a point after the decimals-th digit, least
// significant first, padded with zeros to at least decimals + 2 characters.
int ReversedDigits(uint64_t n, int decimals, char* reversed) {
    int length = 0;
    int digits = 0;
    do {
        reversed[length++] = static_cast<char>('0' + n % 10);
        n /= 10;
        if (++digits == decimals) reversed[length++] = '.';
    } while (n != 0);
    while (length < decimals + 2) {
        reversed[length++] = '0';
        if (++digits == decimals) reversed[length++] = '.';
    }
    return length;
}

// x * 10^decimals + 0.5 cut toward zero; magnitudes beyond 64 bits (and
// infinity) saturate instead of being undefined.
uint64_t ScaledMagnitude(double x, int decimals) {
    const double scaled = std::floor(x * kPowersOfTen[decimals] + 0.5);
    if (!(scaled < 18446744073709551616.0)) return UINT64_MAX;
    return static_cast<uint64_t>(scaled);
}

// Trailing zeros of the fraction, then a bare point; a text cut to its
// capacity before the point keeps its integer zeros.
void TrimZeros(char* text) {
    int length = 0;
    int hasPoint = 0;
    for (; text[length]; ++length) hasPoint |= text[length] == '.';
    if (!hasPoint) return;
    while (length > 0 && text[length - 1] == '0') text[--length] = 0;
    if (length > 0 && text[length - 1] == '.') text[--length] = 0;
}

}  // namespace

int FormatTextList(char* destination, int capacity, const char* format, va_list values) {
    OutputCursor out = {destination, capacity, 0};
    va_list cursor;
    va_copy(cursor, values);
    while (*format) {
        const char c = *format++;
        if (c == '%') {
            format = FormatConversion(&out, format, &cursor);
        } else if (c == '\\' && *format) {
            PutByte(&out, EscapedByte(*format++));
        } else if (c != '\\') {
            PutByte(&out, c);
        }
    }
    va_end(cursor);
    Terminate(&out);
    return out.written;
}

int FormatText(char* destination, int capacity, const char* format, ...) {
    va_list values;
    va_start(values, format);
    const int written = FormatTextList(destination, capacity, format, values);
    va_end(values);
    return written;
}

void IntegerToText(int value, char* destination, int capacity) {
    char reversed[kNumberBufferSize];
    uint32_t magnitude = static_cast<uint32_t>(value);
    if (value < 0) magnitude = 0u - magnitude;
    int length = 0;
    do {
        reversed[length++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    OutputCursor out = {destination, capacity, 0};
    if (value < 0) PutByte(&out, '-');
    while (length > 0) PutByte(&out, reversed[--length]);
    Terminate(&out);
}

void RealToText(double value, char* destination, int capacity, int decimals, int trim) {
    if (decimals < 0) decimals = 0;
    if (decimals > kMaxDecimals) decimals = kMaxDecimals;
    OutputCursor out = {destination, capacity, 0};
    if (!(value < 0 || value > 0)) {  // zero, and also a value that is not a number
        PutByte(&out, '0');
        if (decimals > 0) PutByte(&out, '.');
        for (int i = 0; i < decimals; ++i) PutByte(&out, '0');
        Terminate(&out);
        return;
    }
    if (value < 0) {
        PutByte(&out, '-');
        value = -value;
    }
    char reversed[kNumberBufferSize];
    int length = ReversedDigits(ScaledMagnitude(value, decimals), decimals, reversed);
    while (length > 0) PutByte(&out, reversed[--length]);
    Terminate(&out);
    if (decimals > 0 && trim && out.written > 0) TrimZeros(destination);
}
