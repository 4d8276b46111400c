// The word splitter behind the settings loader: one shared table of word
// addresses and one shared character pool, overwritten by each call.
#include "wizard/word_splitter.h"

#include "text/text_utils.h"

static char* wordTable[WORD_TABLE_SLOTS];
static char wordPool[WORD_POOL_SIZE];

int IsBlankChar(int character) {
    return character == 0 || character == '\t' || character == ' ' ? 1 : 0;
}

static const char* SkipSeparators(const char* position) {
    while (*position == ' ' || *position == '\t')
        ++position;
    return position;
}

// Length of the word starting at start: up to the closing double quote (or the
// end) when quoted, else up to the next blank; never more than the limit.
static int WordLength(const char* start, int quoted) {
    int length = 0;
    while (length < WORD_MAX_LENGTH && start[length] != 0) {
        if (quoted ? start[length] == '"' : IsBlankChar(start[length])) break;
        ++length;
    }
    return length;
}

void SplitWords(const char* text, int* count, char*** words) {
    int found = 0;
    int poolUsed = 0;
    const char* position = SkipSeparators(text);
    while (found < WORD_TABLE_SLOTS) {
        const int quoted = *position == '"';
        if (quoted) ++position;
        const int length = WordLength(position, quoted);
        if (length == 0 && !quoted) break;
        if (poolUsed + length + 1 > WORD_POOL_SIZE) break;
        MoveBytes(position, wordPool + poolUsed, length);
        wordPool[poolUsed + length] = 0;
        wordTable[found++] = wordPool + poolUsed;
        poolUsed += length + 1;
        position += length;
        if (quoted && *position == '"') ++position;
        position = SkipSeparators(position);
    }
    *count = found;
    *words = wordTable;
}
