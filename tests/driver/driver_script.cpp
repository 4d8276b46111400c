// The test driver's script language: splitting lines into words, resolving a
// word's quotes, escapes and environment variables, and reading selectors.
#include "tests/driver/driver_script.h"

#include <cstdlib>

#include "text/text_format.h"
#include "text/text_utils.h"

namespace {

// Appends to a fixed buffer and remembers whether anything was cut.
struct TextWriter {
    char* text;
    int capacity;
    int length;
    int overflow;
};

void StartWriter(TextWriter* writer, char* destination, int capacity) {
    writer->text = destination;
    writer->capacity = capacity;
    writer->length = 0;
    writer->overflow = capacity < 1;
    if (capacity > 0) destination[0] = 0;
}

void Append(TextWriter* writer, char c) {
    if (writer->length + 1 >= writer->capacity) {
        writer->overflow = 1;
        return;
    }
    writer->text[writer->length++] = c;
    writer->text[writer->length] = 0;
}

void AppendText(TextWriter* writer, const char* text) {
    for (; *text; ++text)
        Append(writer, *text);
}

int IsNameCharacter(char c, int first) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_') return 1;
    return !first && c >= '0' && c <= '9';
}

// At a $: appends the variable's value ($NAME or ${NAME}), or the $ itself
// when no name follows. Unset variables are empty.
void AppendVariable(const char** position, TextWriter* writer) {
    const char* p = *position + 1;
    const int braced = *p == '{';
    if (braced) ++p;
    char name[128];
    int length = 0;
    while (IsNameCharacter(p[length], length == 0) && length < 127)
        ++length;
    if (length == 0 || (braced && p[length] != '}')) {
        Append(writer, '$');
        *position += 1;
        return;
    }
    CopyTextLimited(p, name, length);
    const char* value = getenv(name);
    if (value) AppendText(writer, value);
    *position = p + length + (braced ? 1 : 0);
}

char EscapedCharacter(char c) {
    switch (c) {
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case '"': return '"';
    case '\\': return '\\';
    default: return 0;
    }
}

// At a double quote: appends the quoted text up to the closing quote and
// moves past it. 0 when closed, 1 when the quote never closes.
int AppendQuoted(const char** position, TextWriter* writer) {
    const char* p = *position + 1;
    while (*p && *p != '"') {
        const char escaped = *p == '\\' ? EscapedCharacter(p[1]) : 0;
        if (escaped) {
            Append(writer, escaped);
            p += 2;
        } else if (*p == '$') {
            AppendVariable(&p, writer);
        } else {
            Append(writer, *p++);
        }
    }
    *position = *p ? p + 1 : p;
    return *p != '"';
}

// Bare characters up to the end or one of the stop characters; quoted runs
// inside are resolved as quotes.
int AppendUntil(const char** position, const char* stops, TextWriter* writer) {
    const char* p = *position;
    int failed = 0;
    while (*p) {
        int stop = 0;
        for (const char* s = stops; *s; ++s)
            stop |= *p == *s;
        if (stop) break;
        if (*p == '"') {
            failed |= AppendQuoted(&p, writer);
        } else if (*p == '$') {
            AppendVariable(&p, writer);
        } else {
            Append(writer, *p++);
        }
    }
    *position = p;
    return failed;
}

int IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Copies one raw word (up to a blank outside quotes) and moves past it.
int SplitWord(const char** position, char* destination) {
    const char* p = *position;
    int quoted = 0, length = 0;
    while (*p && (quoted || !IsBlank(*p))) {
        // Inside quotes a backslash carries the next character with it.
        const int pair = quoted && *p == '\\' && p[1] != 0;
        if (*p == '"') quoted = !quoted;
        for (int i = 0; i <= pair; ++i) {
            if (length + 1 >= SCRIPT_WORD_CAPACITY) return 1;
            destination[length++] = *p++;
        }
    }
    destination[length] = 0;
    *position = p;
    return quoted;
}

// @name or @"name with blanks" (a class name may itself begin with #).
int ReadClassPart(const char** position, WindowSelector* selector, TextWriter* writer) {
    StartWriter(writer, selector->className, SELECTOR_CLASS_CAPACITY);
    const char* p = *position + 1;
    int failed = 0;
    if (*p == '"') {
        failed = AppendQuoted(&p, writer);
    } else if (*p) {
        Append(writer, *p++);
        failed = AppendUntil(&p, "#\"", writer);
    }
    *position = p;
    selector->hasClass = 1;
    return failed || writer->overflow || selector->className[0] == 0;
}

int ReadIdPart(const char** position, WindowSelector* selector) {
    const char* p = *position + 1;
    if (*p < '0' || *p > '9') return 1;
    selector->id = 0;
    while (*p >= '0' && *p <= '9')
        selector->id = selector->id * 10 + (*p++ - '0');
    *position = p;
    selector->hasId = 1;
    return 0;
}

} // namespace

int SplitScriptLine(const char* line, ScriptLine* result) {
    result->count = 0;
    const char* p = line;
    while (IsBlank(*p))
        ++p;
    if (*p == '#') return 0;
    while (*p) {
        if (result->count == SCRIPT_MAX_WORDS) return 1;
        if (SplitWord(&p, result->words[result->count++])) return 1;
        while (IsBlank(*p))
            ++p;
    }
    return 0;
}

int WordValue(const char* raw, char* destination, int capacity) {
    TextWriter writer;
    StartWriter(&writer, destination, capacity);
    const int failed = AppendUntil(&raw, "", &writer);
    return failed || writer.overflow;
}

int ParseSelector(const char* raw, WindowSelector* selector) {
    FillBytes(selector, sizeof *selector, 0);
    TextWriter writer;
    const char* p = raw;
    int failed = *p == 0;
    while (*p && !failed) {
        if (*p == '@') {
            failed = ReadClassPart(&p, selector, &writer);
        } else if (*p == '#') {
            failed = ReadIdPart(&p, selector);
        } else {
            StartWriter(&writer, selector->text, SCRIPT_WORD_CAPACITY);
            failed = (*p == '"' ? AppendQuoted(&p, &writer) : AppendUntil(&p, "", &writer)) ||
                     writer.overflow;
            selector->hasText = 1;
        }
    }
    return failed;
}

void DescribeSelector(const WindowSelector* selector, char* destination, int capacity) {
    char id[16] = "";
    if (selector->hasId) IntegerToText(selector->id, id, sizeof id);
    FormatText(destination, capacity, "%s%s%s%s%s%s%s", selector->hasClass ? "@" : "",
               selector->className, selector->hasId ? "#" : "", id, selector->hasText ? "\"" : "",
               selector->text, selector->hasText ? "\"" : "");
}
