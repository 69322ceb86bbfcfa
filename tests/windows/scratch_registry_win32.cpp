// The scratch key lives in the real registry of the test's own Wine prefix, under HKCU.
#include <windows.h>

#include "registry/bindings.h"
#include "tests/contract/scratch_registry.h"
#include "tests/windows/test_key.h"

namespace {

std::string Full(const std::string& path) { return path.empty() ? ScratchBase() : ScratchBase() + "\\" + path; }

}  // namespace

int32_t ScratchRootCode() { return 3; }  // HKEY_CURRENT_USER

std::string ScratchBase() { return "Software\\VarenkelContract-" + std::to_string(GetCurrentProcessId()); }

void ScratchSetUp() {
  ReleaseBindings();
  RegDeleteTreeA(HKEY_CURRENT_USER, ScratchBase().c_str());
  TestKey base;
  RegCreateKeyExA(HKEY_CURRENT_USER, ScratchBase().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &base.key, nullptr);
}

void ScratchTearDown() { RegDeleteTreeA(HKEY_CURRENT_USER, ScratchBase().c_str()); }

void ScratchCreateKey(const std::string& path) {
  TestKey key;
  RegCreateKeyExA(HKEY_CURRENT_USER, Full(path).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key.key, nullptr);
}

void ScratchSetValue(const std::string& path, const std::string& name, uint32_t type, const Bytes& data) {
  TestKey key;
  RegCreateKeyExA(HKEY_CURRENT_USER, Full(path).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key.key, nullptr);
  RegSetValueExA(key.key, name.c_str(), 0, type, data.empty() ? nullptr : data.data(), static_cast<DWORD>(data.size()));
}

bool ScratchKeyExists(const std::string& path) {
  TestKey key;
  return RegOpenKeyExA(HKEY_CURRENT_USER, Full(path).c_str(), 0, KEY_READ, &key.key) == ERROR_SUCCESS;
}

ScratchValue ScratchReadValue(const std::string& path, const std::string& name) {
  TestKey key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, Full(path).c_str(), 0, KEY_READ, &key.key) != ERROR_SUCCESS) return {false, 0, {}};
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key.key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {false, 0, {}};
  Bytes data(size);
  RegQueryValueExA(key.key, name.c_str(), nullptr, &type, data.empty() ? nullptr : data.data(), &size);
  data.resize(size);
  return {true, type, data};
}

int ScratchOpenHandleCount() { return -1; }
