#include "registry/registry.h"

#include <algorithm>

#include "registry/bindings.h"
#include "toolkit/toolkit.h"

namespace {

template <typename Function>
Function Bound(RegistryFunction function) {
  return reinterpret_cast<Function>(BoundAddress(function));
}

// Owns a key handed out by RegistryOpenKey; null owns nothing. Only opened keys come here, never
// a predefined root.
struct ScopedKey {
  RegKey key;
  explicit ScopedKey(RegKey opened) : key(opened) {}
  ~ScopedKey() { RegistryCloseKey(key); }
  ScopedKey(const ScopedKey&) = delete;
  ScopedKey& operator=(const ScopedKey&) = delete;
};

constexpr RegDword kNameCapacity = 256;  // longest key name, without its NUL

}  // namespace

int32_t RegistryRootHandle(int32_t root_code) {
  switch (root_code) {
    case 1: return static_cast<int32_t>(0x80000000u);  // HKEY_CLASSES_ROOT
    case 2: return static_cast<int32_t>(0x80000005u);  // HKEY_CURRENT_CONFIG
    case 3: return static_cast<int32_t>(0x80000001u);  // HKEY_CURRENT_USER
    case 4: return static_cast<int32_t>(0x80000002u);  // HKEY_LOCAL_MACHINE
    case 5: return static_cast<int32_t>(0x80000003u);  // HKEY_USERS
    default: return root_code;                         // taken as a handle as it stands
  }
}

uint32_t RegistryValueType(int32_t type_code) {
  switch (type_code) {
    case 1: return 3;    // REG_BINARY
    case 2: return 4;    // REG_DWORD
    case 3: return 4;    // REG_DWORD_LITTLE_ENDIAN
    case 4: return 5;    // REG_DWORD_BIG_ENDIAN
    case 5: return 2;    // REG_EXPAND_SZ
    case 6: return 6;    // REG_LINK
    case 7: return 7;    // REG_MULTI_SZ
    case 9: return 11;   // REG_QWORD
    case 10: return 11;  // REG_QWORD_LITTLE_ENDIAN
    case 11: return 1;   // REG_SZ
    default: return 0;   // REG_NONE, code 8 included
  }
}

RegKey RegistryOpenKey(int32_t root_code, const std::string& path) {
  RegKey opened = nullptr;
  // Only the handle tells: RegOpenKeyA leaves it null when the key cannot be opened.
  Bound<RegOpenKeyAFunction>(RegistryFunction::OpenKey)(RegKeyFromValue(RegistryRootHandle(root_code)), path.c_str(),
                                                         &opened);
  return opened;
}

void RegistryCloseKey(RegKey key) {
  if (key != nullptr) Bound<RegCloseKeyFunction>(RegistryFunction::CloseKey)(key);
}

int32_t RegistryEnumSubkeys(int32_t root_code, const std::string& path, TextList& list) {
  ScopedKey key(RegistryOpenKey(root_code, path));
  if (key.key == nullptr) return 0;
  std::string name(kNameCapacity, ' ');  // one buffer for every subkey; its NUL sits at name[256]
  for (RegDword index = 0;; ++index) {
    if (Bound<RegEnumKeyAFunction>(RegistryFunction::EnumKey)(key.key, index, name.data(), kNameCapacity) != kRegSuccess)
      break;
    list.emplace_back(name.c_str());
    ProcessPendingEvents();
  }
  return static_cast<int32_t>(list.size());
}

Bytes RegistryReadValue(int32_t root_code, const std::string& path, const std::string& value_name,
                        int32_t type_code) {
  ScopedKey key(RegistryOpenKey(root_code, path));
  auto query = Bound<RegQueryValueExAFunction>(RegistryFunction::QueryValueEx);
  RegDword type = RegistryValueType(type_code);  // overwritten with the stored type, which is not looked at
  RegDword size = 0;
  query(key.key, value_name.c_str(), nullptr, &type, nullptr, &size);
  Bytes data(size);
  // A value that grew since the size query no longer fits and fails here.
  if (query(key.key, value_name.c_str(), nullptr, &type, data.empty() ? nullptr : data.data(), &size) != kRegSuccess)
    return {};
  return data;
}

std::string RegistryReadText(int32_t root_code, const std::string& path, const std::string& value_name) {
  Bytes data = RegistryReadValue(root_code, path, value_name, kTypeText);
  return std::string(data.begin(), std::find(data.begin(), data.end(), 0));
}

bool RegistryWriteValue(int32_t root_code, const std::string& path, const std::string& value_name, int32_t type_code,
                        const Bytes& data) {
  ScopedKey key(RegistryOpenKey(root_code, path));
  if (key.key == nullptr) return false;  // creates nothing
  return Bound<RegSetValueExAFunction>(RegistryFunction::SetValueEx)(
             key.key, value_name.c_str(), 0, RegistryValueType(type_code), data.empty() ? nullptr : data.data(),
             static_cast<RegDword>(data.size())) == kRegSuccess;
}

bool RegistryDeleteKey(int32_t root_code, const std::string& path) {
  return Bound<RegDeleteKeyAFunction>(RegistryFunction::DeleteKey)(RegKeyFromValue(RegistryRootHandle(root_code)),
                                                                    path.c_str()) == kRegSuccess;
}
