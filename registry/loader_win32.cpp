// The registry functions come from the system's own libraries.
#include <windows.h>

#include "registry/loader.h"

LibraryHandle LoadNamedLibrary(const char* name) { return LoadLibraryA(name); }

void* FindExportedFunction(LibraryHandle library, const char* function_name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), function_name));
}

void ReleaseLibrary(LibraryHandle library) { FreeLibrary(static_cast<HMODULE>(library)); }
