// Faults injected under the registry module on Windows: the loader hands out the system's
// functions, or wrappers around them that fail on request.
#pragma once

#include <string>

// Binding failures; the registry's own failures are injected through tests/faults/fault_injection.h.
void FailToLoadLibrary(const std::string& library);
void HideFunction(const std::string& function);
