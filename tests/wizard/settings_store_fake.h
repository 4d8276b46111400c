// The tests' registry key: a few named values of any type and size, so the
// loader can be fed what a damaged or foreign key may hold.
#pragma once

// Empties the key; keyExists 0 makes OpenSettingsKey fail, creatable 0 makes
// CreateSettingsKey fail too.
void ResetFakeSettingsKey(int keyExists, int creatable);
// Stores size raw bytes as the value name; isText 1 for a string value.
void PutFakeValue(const char* name, const char* bytes, int size, int isText);
// Stores text with its terminator as a string value.
void PutFakeText(const char* name, const char* text);
// The stored value as a text (its raw bytes), or 0 when it is missing.
const char* FakeValue(const char* name, int* size);
// Whether the key exists and how many values it holds.
int FakeKeyExists();
int FakeValueCount();
