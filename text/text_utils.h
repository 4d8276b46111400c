// Byte and text helpers used in place of the standard library's, with the
// exact behaviour both programs rely on (identical on every build).
#pragma once

int TextLength(const char* text);
void FillBytes(void* destination, int count, int value);
// Copies count bytes; correct for overlapping ranges. Note: source first.
void MoveBytes(const void* source, void* destination, int count);
// Copies at most limit characters and a zero byte: destination holds limit + 1 bytes.
void CopyTextLimited(const char* source, char* destination, int limit);
// 1 when the texts are equal with a to z taken as upper case, else 0.
int EqualIgnoringCase(const char* a, const char* b);
// Reads an optionally signed decimal integer at *position and moves past it.
// 0 when a digit was read, 1 otherwise. Values beyond 32 bits wrap modulo 2^32.
int ParseInteger(const char** position, int* value);
// 0 when the whole text is one integer, 1 otherwise; the value is stored either way.
int ParseWholeInteger(const char* text, int* value);
