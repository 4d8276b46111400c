// The test driver's script language, without the platform: a line splits into
// words (double quotes group, with \n \r \t \" \\ escapes; $NAME and ${NAME}
// take environment variables), and a window selector names a window by class
// (@name), control identifier (#number) and text ("text" or a bare word).
#pragma once

enum {
    SCRIPT_MAX_WORDS = 16,
    SCRIPT_WORD_CAPACITY = 2048,
    SELECTOR_CLASS_CAPACITY = 128,
};

// One script line as its raw words: quotes and escapes are kept, so that a
// selector can tell "#103" (a text) from #103 (an identifier).
struct ScriptLine {
    int count;
    char words[SCRIPT_MAX_WORDS][SCRIPT_WORD_CAPACITY];
};

struct WindowSelector {
    int hasClass, hasId, hasText;
    char className[SELECTOR_CLASS_CAPACITY];
    int id;
    char text[SCRIPT_WORD_CAPACITY];
};

// Splits a line into raw words; a line whose first word begins with # is a
// comment and has no words. 0 when split, 1 for an unclosed quote or too many
// or too long words.
int SplitScriptLine(const char* line, struct ScriptLine* result);
// The word's value: quotes removed, escapes and variables resolved.
// 0 when done, 1 when it does not fit or a quote is unclosed.
int WordValue(const char* raw, char* destination, int capacity);
// 0 when raw is a valid selector (at least one part), 1 otherwise.
int ParseSelector(const char* raw, struct WindowSelector* selector);
// Writes a readable form of the selector (for failure messages).
void DescribeSelector(const struct WindowSelector* selector, char* destination, int capacity);
