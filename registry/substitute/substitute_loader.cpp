// Natively the "system libraries" are a small table: advapi32.dll exports the substitute
// registry's six functions, the others export nothing the program asks for.
#include "registry/substitute/substitute_loader.h"

#include <cstring>
#include <strings.h>

#include "registry/loader.h"
#include "registry/substitute/substitute_registry.h"

namespace {

struct Export {
  const char* name;
  void* address;
};

const Export kAdvapi32Exports[] = {
    {"RegDeleteKeyA", reinterpret_cast<void*>(SubstituteRegDeleteKeyA)},
    {"RegEnumKeyA", reinterpret_cast<void*>(SubstituteRegEnumKeyA)},
    {"RegCloseKey", reinterpret_cast<void*>(SubstituteRegCloseKey)},
    {"RegOpenKeyA", reinterpret_cast<void*>(SubstituteRegOpenKeyA)},
    {"RegQueryValueExA", reinterpret_cast<void*>(SubstituteRegQueryValueExA)},
    {"RegSetValueExA", reinterpret_cast<void*>(SubstituteRegSetValueExA)},
};

struct Library {
  const char* name;
  const Export* exports;
  int export_count;
};

const Library kLibraries[] = {
    {"advapi32.dll", kAdvapi32Exports, 6},
    {"kernel32.dll", nullptr, 0},
    {"user32.dll", nullptr, 0},
};

LoaderFaults faults;
int loaded_count = 0;

// As the system loader does: case-insensitive, and ".dll" supplied when the name has no extension.
std::string FullLibraryName(const char* name) {
  std::string full = name;
  if (full.find('.') == std::string::npos) full += ".dll";
  return full;
}

}  // namespace

LibraryHandle LoadNamedLibrary(const char* name) {
  std::string full = FullLibraryName(name);
  if (!faults.library_that_fails.empty() && strcasecmp(full.c_str(), FullLibraryName(faults.library_that_fails.c_str()).c_str()) == 0)
    return nullptr;
  for (const Library& library : kLibraries) {
    if (strcasecmp(full.c_str(), library.name) == 0) {
      ++loaded_count;
      return const_cast<Library*>(&library);
    }
  }
  return nullptr;
}

void* FindExportedFunction(LibraryHandle handle, const char* function_name) {
  if (faults.function_not_exported == function_name) return nullptr;
  const Library* library = static_cast<const Library*>(handle);
  for (int i = 0; i < library->export_count; ++i)
    if (std::strcmp(library->exports[i].name, function_name) == 0) return library->exports[i].address;
  return nullptr;
}

void ReleaseLibrary(LibraryHandle) { --loaded_count; }

void SubstituteLoaderReset() {
  faults = LoaderFaults();
  loaded_count = 0;
}

LoaderFaults& SubstituteLoaderFaults() { return faults; }

int SubstituteLoadedLibraryCount() { return loaded_count; }
