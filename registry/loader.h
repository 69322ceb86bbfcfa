// How the registry functions are found at run time: the system's library loader on Windows,
// the substitute registry natively. Chosen at link time.
#pragma once

using LibraryHandle = void*;

// Loads a library by name; null when it cannot be loaded. A name without an extension gets ".dll".
LibraryHandle LoadNamedLibrary(const char* name);
// The address of an exported function; null when the library does not export it.
void* FindExportedFunction(LibraryHandle library, const char* function_name);
void ReleaseLibrary(LibraryHandle library);
