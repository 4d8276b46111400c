// Windows path helpers, kept portable: a path is text with backslashes and an
// optional drive colon, whatever machine handles it.
#include "text/path_utils.h"

#include "text/text_format.h"
#include "text/text_utils.h"

void JoinPath(char* destination, int capacity, const char* folder, const char* fileName) {
    const int length = TextLength(folder);
    const int endsWithBackslash = length > 0 && folder[length - 1] == '\\';
    // The formatter reads a backslash as an escape: two in the format give one.
    FormatText(destination, capacity, endsWithBackslash ? "%s%s" : "%s\\\\%s", folder, fileName);
}

void FolderOfPath(char* path) {
    int length = TextLength(path);
    if (length == 0) return;
    int cut = length - 1;
    while (cut >= 0 && path[cut] != '\\' && path[cut] != ':') --cut;
    if (cut < 0) {
        path[0] = '.';
        path[1] = 0;
        return;
    }
    path[cut + 1] = 0;
    length = cut + 1;
    if (length > 1 && path[length - 1] == '\\' && path[length - 2] != ':') path[length - 1] = 0;
}

int LacksExtension(const char* name, const char* extension) {
    const int nameLength = TextLength(name);
    const int extensionLength = TextLength(extension);
    if (extensionLength >= nameLength) return 1;
    const char* tail = name + nameLength - extensionLength;
    if (*tail != '.') return 1;
    return EqualIgnoringCase(tail, extension) ? 0 : 1;
}
