#include "registry/bindings.h"

#include <string>

#include "app/texts.h"
#include "registry/loader.h"
#include "toolkit/toolkit.h"

namespace {

// Searched in this order for a function whose declared library is empty. advapi32 exports every
// registry function; the others are tried only if it is missing one.
const char* const kStandardLibraries[] = {"advapi32.dll", "kernel32.dll", "user32.dll"};

// In RegistryFunction order.
Binding bindings[] = {
    {"advapi32.dll", "RegDeleteKeyA", nullptr, nullptr},
    {"advapi32", "RegEnumKeyA", nullptr, nullptr},
    {"advapi32.dll", "RegCloseKey", nullptr, nullptr},
    {"advapi32.dll", "RegOpenKeyA", nullptr, nullptr},
    {"advapi32.dll", "RegQueryValueExA", nullptr, nullptr},
    {"", "RegSetValueExA", nullptr, nullptr},
};

// Looks the function up in one library; keeps the library loaded only when it exports it.
bool BindFrom(Binding& binding, const char* library) {
  LibraryHandle handle = LoadNamedLibrary(library);
  if (handle == nullptr) return false;
  void* address = FindExportedFunction(handle, binding.function);
  if (address == nullptr) {
    ReleaseLibrary(handle);
    return false;
  }
  binding.address = address;
  binding.library_handle = handle;
  return true;
}

bool Bind(Binding& binding) {
  if (binding.library[0] != '\0') return BindFrom(binding, binding.library);
  for (const char* library : kStandardLibraries)
    if (BindFrom(binding, library)) return true;
  return false;
}

// The declared library, or for an empty one the libraries that were searched.
std::string LibraryForMessage(const Binding& binding) {
  if (binding.library[0] != '\0') return binding.library;
  std::string searched;
  for (const char* library : kStandardLibraries) searched += (searched.empty() ? "" : ", ") + std::string(library);
  return searched;
}

}  // namespace

void* BoundAddress(RegistryFunction function) {
  Binding& binding = bindings[static_cast<int>(function)];
  if (binding.address == nullptr) {
    if (!Bind(binding))
      FatalStop(kBindFailedLead + LibraryForMessage(binding) + kBindFailedMiddle + binding.function + kBindFailedTail);
    RegisterExitHook(ReleaseBindings);
  }
  return binding.address;
}

const Binding& BindingOf(RegistryFunction function) { return bindings[static_cast<int>(function)]; }

void ReleaseBindings() {
  for (Binding& binding : bindings) {
    if (binding.library_handle != nullptr) ReleaseLibrary(binding.library_handle);
    binding.address = nullptr;
    binding.library_handle = nullptr;
  }
}
