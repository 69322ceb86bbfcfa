#include "tests/windows/fault_loader.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "registry/loader.h"
#include "tests/faults/fault_injection.h"

namespace {

struct WindowsFaults {
  std::string library_that_fails;
  std::string function_not_exported;
  int enum_fails_at = -1;
  bool values_grow = false;
  bool refuse_writes = false;
  bool refuse_deletes = false;
};

WindowsFaults faults;

std::string FullLibraryName(std::string name) {
  if (name.find('.') == std::string::npos) name += ".dll";
  return name;
}

LONG WINAPI EnumKeyWithFaults(HKEY key, DWORD index, LPSTR name, DWORD capacity) {
  if (faults.enum_fails_at >= 0 && index >= static_cast<DWORD>(faults.enum_fails_at)) return ERROR_ACCESS_DENIED;
  return RegEnumKeyA(key, index, name, capacity);
}

// Another writer appends a byte to the value right after the program learnt its size.
void GrowValue(HKEY key, LPCSTR value_name) {
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key, value_name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return;
  std::vector<BYTE> data(size + 1, '+');
  RegQueryValueExA(key, value_name, nullptr, &type, data.data(), &size);
  data.resize(size + 1);
  data[size] = '+';
  RegSetValueExA(key, value_name, 0, REG_BINARY, data.data(), static_cast<DWORD>(data.size()));
}

LONG WINAPI QueryValueWithFaults(HKEY key, LPCSTR value_name, LPDWORD reserved, LPDWORD type, LPBYTE data,
                                 LPDWORD size) {
  LONG status = RegQueryValueExA(key, value_name, reserved, type, data, size);
  if (faults.values_grow && data == nullptr && status == ERROR_SUCCESS) GrowValue(key, value_name);
  return status;
}

LONG WINAPI SetValueWithFaults(HKEY key, LPCSTR value_name, DWORD reserved, DWORD type, const BYTE* data, DWORD size) {
  if (faults.refuse_writes) return ERROR_ACCESS_DENIED;
  return RegSetValueExA(key, value_name, reserved, type, data, size);
}

LONG WINAPI DeleteKeyWithFaults(HKEY root, LPCSTR path) {
  if (faults.refuse_deletes) return ERROR_ACCESS_DENIED;
  return RegDeleteKeyA(root, path);
}

}  // namespace

void FailToLoadLibrary(const std::string& library) { faults.library_that_fails = library; }
void HideFunction(const std::string& function) { faults.function_not_exported = function; }
void InjectEnumerationFailureFrom(int index) { faults.enum_fails_at = index; }
void InjectGrowingValues() { faults.values_grow = true; }
void InjectRefusedWrites() { faults.refuse_writes = true; }
void InjectRefusedDeletes() { faults.refuse_deletes = true; }
void ClearInjectedFaults() { faults = WindowsFaults(); }

LibraryHandle LoadNamedLibrary(const char* name) {
  if (!faults.library_that_fails.empty() &&
      lstrcmpiA(FullLibraryName(name).c_str(), FullLibraryName(faults.library_that_fails).c_str()) == 0)
    return nullptr;
  return LoadLibraryA(name);
}

void* FindExportedFunction(LibraryHandle library, const char* function_name) {
  if (faults.function_not_exported == function_name) return nullptr;
  void* real = reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), function_name));
  if (real == nullptr) return nullptr;
  const struct {
    const char* name;
    void* wrapper;
  } wrappers[] = {
      {"RegEnumKeyA", reinterpret_cast<void*>(EnumKeyWithFaults)},
      {"RegQueryValueExA", reinterpret_cast<void*>(QueryValueWithFaults)},
      {"RegSetValueExA", reinterpret_cast<void*>(SetValueWithFaults)},
      {"RegDeleteKeyA", reinterpret_cast<void*>(DeleteKeyWithFaults)},
  };
  for (const auto& wrapper : wrappers)
    if (std::strcmp(wrapper.name, function_name) == 0) return wrapper.wrapper;
  return real;
}

void ReleaseLibrary(LibraryHandle library) { FreeLibrary(static_cast<HMODULE>(library)); }
