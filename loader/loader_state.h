// Velloran's state shared by its start-up, the profile reader and its window.
#pragma once

enum { LOADER_PATH_SIZE = 260, LOADER_DESCRIPTION_LIMIT = 1000 };

// Path of the last saved profile, as the wizard recorded it.
extern char LoaderProfilePath[LOADER_PATH_SIZE];
// The profile's description, shown in the loader's window; empty until read.
extern char LoaderDescription[LOADER_DESCRIPTION_LIMIT + 1];
