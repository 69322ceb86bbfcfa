#include "registry/loader.h"

// advapi32 exports every registry function; the others are searched only if it is missing one.
const char* const kStandardLibraries[] = {"advapi32.dll", "kernel32.dll", "user32.dll"};
const int kStandardLibraryCount = 3;
