// The actions of the Save Profile and Save Profile Log buttons: a save dialog
// with a name made from the profile description, the extension rules, the
// file written, and for a profile its installation and registry record.
#pragma once

// Asks for a name (.icm or .icc), writes the profile, installs it for the
// first monitor and records its path. 0 when the profile was written, whether
// or not installing succeeded; 1 when cancelled or not written (the user is
// told unless they cancelled).
int SaveProfile();

// Asks for a name (.txt), remembers its folder in lastLogFolder and writes
// the log. 0 when written; 1 when cancelled or not written (the user is told
// unless they cancelled).
int SaveProfileLog();

// Installs the profile and associates it with the first monitor. 0 when both
// succeeded; 1 when there is no display adapter or either call was refused.
int InstallProfile(const char* path);

// Replaces, in place, every character a file name must not take from the
// description (slash, backslash, colon, control characters and every byte
// above 126) by an underscore. Blanks and other printable ASCII stay.
void SanitizeFileName(char* text);

// The name a dialog proposes: description + extension, sanitised, with the
// description cut so the name stays a single file name of at most 255
// characters and, joined to folder (unless ""), a path that fits the
// FILE_NAME_SIZE buffer. The extension is always kept.
void DefaultFileName(const char* description, const char* extension, const char* folder,
                     char* fileName);
