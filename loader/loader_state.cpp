// Storage of Velloran's shared state.
#include "loader/loader_state.h"

char LoaderProfilePath[LOADER_PATH_SIZE];
char LoaderDescription[LOADER_DESCRIPTION_LIMIT + 1];
