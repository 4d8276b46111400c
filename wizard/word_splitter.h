// Splits a stored text into words: blank- or tab-separated, a double-quoted
// word may hold blanks. The settings loader reads its numbers through it.
#pragma once

enum { WORD_TABLE_SLOTS = 100, WORD_POOL_SIZE = 4000, WORD_MAX_LENGTH = 2000 };

// 1 for the terminator, tab and space, else 0.
int IsBlankChar(int character);

// Splits text into at most 100 words; *count gets their number and *words the
// table of their addresses. The table and the words' characters live in one
// shared pool that every call overwrites from the start. Words that no longer
// fit the pool are dropped.
void SplitWords(const char* text, int* count, char*** words);
