// The system's own formatter. Its grammar is not printf's: a digit after the
// percent sign is the number of decimals of a real (the last digit wins),
// integers are never padded, and reals round by adding one half. Every
// message, title, registry value and log line goes through it.
//
// Every writer takes the capacity of its destination in bytes (the final zero
// byte included): output that does not fit is cut, and the destination is
// always zero-terminated when the capacity is at least 1.
#pragma once

#include <cstdarg>

// Formats into destination; returns the number of bytes written before the
// final zero byte ("\0" escapes in the format count as written bytes).
int FormatText(char* destination, int capacity, const char* format, ...);
int FormatTextList(char* destination, int capacity, const char* format, va_list values);

// Decimal text of a 32-bit signed value, minus sign for negatives, no padding.
void IntegerToText(int value, char* destination, int capacity);

// Decimal text of a real with `decimals` digits after the point (0 to 6),
// rounded half away from zero; `trim` drops trailing zeros and a bare point.
void RealToText(double value, char* destination, int capacity, int decimals, int trim);
