// The tests' registry key: a few named values of any bytes and size, so the
// loader can be fed what a damaged or foreign key may hold (the loader reads
// every type alike, so the fake keeps no type).
#pragma once

// Empties the key; keyExists 0 makes OpenSettingsKey fail, creatable 0 makes
// CreateSettingsKey fail too.
void ResetFakeSettingsKey(int keyExists, int creatable);
// Stores size raw bytes as the value name.
void PutFakeValue(const char* name, const char* bytes, int size);
// Stores text with its terminator as a string value.
void PutFakeText(const char* name, const char* text);
// The stored value as a text (its raw bytes), or 0 when it is missing.
const char* FakeValue(const char* name, int* size);
// Whether the key exists and how many values it holds.
int FakeKeyExists();
int FakeValueCount();
