// The loader's seam to the system for its start-up checks. The Windows build
// asks the real system; the tests script the answers.
#pragma once

// 1 for Windows 98 / Windows 2000 and later, 0 for anything older.
int IsSystemVersionAccepted();
// Reads the adapter's ramp (into scratch) and the bits per pixel from one
// device context of the whole screen. rampReadable is 1 when the read succeeded.
void ProbeDisplay(int* rampReadable, int* bitsPerPixel);
// Reads "pathname" of the wizard's profile key into LoaderProfilePath.
// 1 when the key cannot be opened; a missing value leaves the path empty.
int ReadProfilePath();
// 1 when the file can be opened for reading.
int FileExists(const char* path);
// Message box with caption "Error" and OK, owned by no window.
void ShowStartupError(const char* text);
