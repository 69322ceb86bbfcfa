// The registry functions come from the system's own libraries.
#include <windows.h>

#include "registry/loader.h"

// advapi32 exports every registry function; the others are searched only if it is missing one.
const char* const kStandardLibraries[] = {"advapi32.dll", "kernel32.dll", "user32.dll"};
const int kStandardLibraryCount = 3;

LibraryHandle LoadNamedLibrary(const char* name) { return LoadLibraryA(name); }

void* FindExportedFunction(LibraryHandle library, const char* function_name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), function_name));
}

void ReleaseLibrary(LibraryHandle library) { FreeLibrary(static_cast<HMODULE>(library)); }
