// Steering the native library loader from tests.
#pragma once

#include <string>

struct LoaderFaults {
  std::string library_that_fails;   // e.g. "advapi32.dll": loading it gives null
  std::string function_not_exported;  // e.g. "RegSetValueExA": no library exports it
};

void SubstituteLoaderReset();
LoaderFaults& SubstituteLoaderFaults();
// Libraries loaded and not yet released.
int SubstituteLoadedLibraryCount();
