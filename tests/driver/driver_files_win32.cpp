// File commands that read what a program wrote: one line of a text file,
// compared whole or searched for a part. Lines end with CR LF or LF alone;
// neither ending is part of the line.
#include "tests/driver/driver_commands_win32.h"
#include "tests/driver/driver_win32.h"

#include <cstdio>
#include <cstring>

namespace {

enum { LINE_CAPACITY = SCRIPT_WORD_CAPACITY * 2 };

// Line number (from 1) of the file into text; 1 when the file has no such line.
int ReadFileLine(const char* path, int number, char* text, int capacity) {
    FILE* file = fopen(path, "rb");
    if (!file) return Fail("cannot open %s", path);
    int line = 0;
    while (line < number && fgets(text, capacity, file))
        if (strchr(text, '\n') || feof(file)) ++line;
    fclose(file);
    if (line < number) return Fail("%s has %d lines, not %d", path, line, number);
    text[strcspn(text, "\r\n")] = 0;
    return 0;
}

int ExpectLineWith(const ScriptLine* line, int containing) {
    char path[DRIVER_PATH_CAPACITY];
    ToWindowsPath(Arg(line, 1), path, sizeof path);
    const int number = ArgInt(line, 2, 0);
    const char* expected = Arg(line, 3);
    static char text[LINE_CAPACITY];
    if (ReadFileLine(path, number, text, sizeof text)) return 1;
    if (containing ? strstr(text, expected) != 0 : strcmp(text, expected) == 0) return 0;
    return Fail("line %d is \"%s\", expected %s\"%s\"", number, text,
                containing ? "it to contain " : "", expected);
}

} // namespace

int ExpectLine(const ScriptLine* line) {
    return ExpectLineWith(line, 0);
}
int ExpectLineHas(const ScriptLine* line) {
    return ExpectLineWith(line, 1);
}
