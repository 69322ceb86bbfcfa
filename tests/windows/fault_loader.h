// Faults injected under the registry module on Windows: the loader hands out the system's
// functions, or wrappers around them that fail on request.
#pragma once

#include <string>

struct WindowsFaults {
  std::string library_that_fails;     // loading it gives null
  std::string function_not_exported;  // no library exports it
  int enum_fails_at = -1;             // RegEnumKeyA fails from this index on
  bool values_grow = false;           // a value gains a byte right after each size query
  bool refuse_writes = false;         // RegSetValueExA is denied
  bool refuse_deletes = false;        // RegDeleteKeyA is denied
};

WindowsFaults& WindowsFaultsInForce();
