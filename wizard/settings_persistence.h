// Loading the user's setup choices at start-up and saving them at exit.
#pragma once

// Sets the defaults, then whatever the registry key holds; sets the record's
// target white and gamma from the result. 0 when the key was read, 1 when it
// was missing (the defaults stand).
int LoadSettings();
// Stores the choices; a key that cannot be created loses them silently.
void SaveSettings();
