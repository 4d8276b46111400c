// Path helpers for Windows-style paths (backslash and drive colon), portable.
#pragma once

// folder + "\" (unless folder ends with one) + fileName, cut to capacity.
void JoinPath(char* destination, int capacity, const char* folder, const char* fileName);
// Cuts a path to its folder in place: "C:\a\b.txt" -> "C:\a", "C:\b.txt" -> "C:\",
// "b.txt" -> ".", "" stays "".
void FolderOfPath(char* path);
// 0 when name ends with extension (which includes its point), by letter case
// ignoring comparison; 1 otherwise, also when name is only the extension.
int LacksExtension(const char* name, const char* extension);
