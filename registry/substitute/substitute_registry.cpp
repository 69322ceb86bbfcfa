#include "registry/substitute/substitute_registry.h"

#include <cstring>
#include <memory>

namespace {

constexpr RegStatus kKeyDeleted = 1018;   // ERROR_KEY_DELETED: the key behind an open handle is gone
constexpr RegStatus kBadPathname = 161;   // ERROR_BAD_PATHNAME
constexpr RegStatus kNoAccess = 998;      // ERROR_NOACCESS: a null data address with a length

bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// Names compare as Windows compares them: upper-cased, but only whole single-byte characters, so
// the trail byte of a two-byte character (which may look like an ASCII letter) stays as it is.
// Windows keeps subkeys sorted by their upper-cased names; Wine 8 folds to lower case instead,
// so the two differ only for the characters between 'Z' and 'a' ([ \ ] ^ _ `).
std::string FoldName(const std::string& name) {
  std::string folded = name;
  for (size_t i = 0; i < folded.size(); ++i) {
    unsigned char byte = static_cast<unsigned char>(folded[i]);
    if (IsLeadByte(byte) && i + 1 < folded.size())
      ++i;
    else if (byte >= 'a' && byte <= 'z')
      folded[i] = static_cast<char>(byte - 'a' + 'A');
  }
  return folded;
}

struct NameLess {
  bool operator()(const std::string& a, const std::string& b) const {
    std::string fa = FoldName(a), fb = FoldName(b);
    return std::lexicographical_compare(fa.begin(), fa.end(), fb.begin(), fb.end(), [](char x, char y) {
      return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
  }
};

struct Key;
using Subkeys = std::map<std::string, std::unique_ptr<Key>, NameLess>;

struct Key {
  Subkeys subkeys;
  std::map<std::string, SubstituteValue, NameLess> values;
};

constexpr int kRootCount = 5;
const char* const kRootNames[kRootCount] = {"HKCR", "HKCC", "HKCU", "HKLM", "HKU"};  // root codes 1..5
const uint32_t kRootHandles[kRootCount] = {0x80000000u, 0x80000005u, 0x80000001u, 0x80000002u, 0x80000003u};

struct Store {
  Key roots[kRootCount];
  std::map<uintptr_t, Key*> handles;  // open handles; null once their key was deleted
  uintptr_t next_handle = 0x1000;
  SubstituteFaults faults;
};

Store store;

// Splits at backslashes that start a character; a trailing backslash adds no empty name.
// False for an empty name in the middle, which names no key.
bool SplitPath(const std::string& path, std::vector<std::string>& names) {
  std::string name;
  for (size_t i = 0; i < path.size(); ++i) {
    unsigned char byte = static_cast<unsigned char>(path[i]);
    if (byte == '\\') {
      if (name.empty()) return false;
      names.push_back(name);
      name.clear();
    } else {
      name += path[i];
      if (IsLeadByte(byte) && i + 1 < path.size()) name += path[++i];
    }
  }
  if (!name.empty()) names.push_back(name);
  return true;
}

Key* RootKey(RegKey handle) {
  for (int i = 0; i < kRootCount; ++i)
    if (handle == RegKeyFromValue(static_cast<int32_t>(kRootHandles[i]))) return &store.roots[i];
  return nullptr;
}

// The key behind a handle, or null with the status Windows would give.
Key* KeyOfHandle(RegKey handle, RegStatus& status) {
  status = kRegSuccess;
  if (Key* root = RootKey(handle)) return root;
  auto found = store.handles.find(reinterpret_cast<uintptr_t>(handle));
  if (found == store.handles.end()) {
    status = kRegInvalidHandle;
    return nullptr;
  }
  if (found->second == nullptr) status = kKeyDeleted;
  return found->second;
}

Key* Walk(Key* from, const std::string& path) {
  std::vector<std::string> names;
  if (!SplitPath(path, names)) return nullptr;
  for (const std::string& name : names) {
    auto found = from->subkeys.find(name);
    if (found == from->subkeys.end()) return nullptr;
    from = found->second.get();
  }
  return from;
}

Key* RootOfCode(int32_t root_code) { return root_code >= 1 && root_code <= kRootCount ? &store.roots[root_code - 1] : nullptr; }

Key* KeyAt(int32_t root_code, const std::string& path) {
  Key* root = RootOfCode(root_code);
  return root ? Walk(root, path) : nullptr;
}

// Handles to `key` or anything below it now report the key as deleted.
void ForgetHandlesInto(Key* key) {
  for (auto& handle : store.handles)
    if (handle.second == key) handle.second = nullptr;
  for (auto& subkey : key->subkeys) ForgetHandlesInto(subkey.second.get());
}

// The parent of the key that `path` names below `from`, and that key's entry in it.
RegStatus FindInParent(Key* from, const char* path, Key*& parent, Subkeys::iterator& entry) {
  std::vector<std::string> names;
  if (path == nullptr || !SplitPath(path, names) || names.empty()) return kBadPathname;
  std::string last = names.back();
  names.pop_back();
  parent = from;
  for (const std::string& name : names) {
    auto found = parent->subkeys.find(name);
    if (found == parent->subkeys.end()) return kRegFileNotFound;
    parent = found->second.get();
  }
  entry = parent->subkeys.find(last);
  return entry == parent->subkeys.end() ? kRegFileNotFound : kRegSuccess;
}

void SnapshotKey(const std::string& prefix, const Key& key, RegistrySnapshot& snapshot) {
  for (const auto& value : key.values) snapshot[prefix + " : " + value.first] = value.second;
  for (const auto& subkey : key.subkeys) {
    std::string path = prefix + "\\" + subkey.first;
    snapshot[path] = SubstituteValue{0xFFFFFFFFu, {}};
    SnapshotKey(path, *subkey.second, snapshot);
  }
}

}  // namespace

RegStatus VARENKEL_WINAPI SubstituteRegOpenKeyA(RegKey root, const char* path, RegKey* opened) {
  RegStatus status;
  Key* from = KeyOfHandle(root, status);
  if (from == nullptr) {
    *opened = nullptr;
    return status;
  }
  if (path == nullptr || *path == '\0') {  // RegOpenKeyA hands back the handle it was given
    *opened = root;
    return kRegSuccess;
  }
  Key* key = Walk(from, path);
  if (key == nullptr) {
    *opened = nullptr;
    return kRegFileNotFound;
  }
  uintptr_t handle = store.next_handle;
  store.next_handle += 4;
  store.handles[handle] = key;
  *opened = reinterpret_cast<RegKey>(handle);
  return kRegSuccess;
}

RegStatus VARENKEL_WINAPI SubstituteRegEnumKeyA(RegKey handle, RegDword index, char* name, RegDword capacity) {
  RegStatus status;
  Key* key = KeyOfHandle(handle, status);
  if (key == nullptr) return status;
  if (store.faults.enum_fails_at >= 0 && index >= static_cast<RegDword>(store.faults.enum_fails_at))
    return kRegAccessDenied;
  if (index >= key->subkeys.size()) return kRegNoMoreItems;
  auto subkey = std::next(key->subkeys.begin(), index);
  if (subkey->first.size() + 1 > capacity) return kRegMoreData;
  std::memcpy(name, subkey->first.c_str(), subkey->first.size() + 1);
  return kRegSuccess;
}

RegStatus VARENKEL_WINAPI SubstituteRegCloseKey(RegKey handle) {
  if (RootKey(handle) != nullptr) return kRegSuccess;
  return store.handles.erase(reinterpret_cast<uintptr_t>(handle)) == 1 ? kRegSuccess : kRegInvalidHandle;
}

RegStatus VARENKEL_WINAPI SubstituteRegQueryValueExA(RegKey handle, const char* value_name, RegDword*, RegDword* type,
                                                     unsigned char* data, RegDword* size) {
  RegStatus status;
  Key* key = KeyOfHandle(handle, status);
  if (key == nullptr) return status;
  auto found = key->values.find(value_name ? value_name : "");
  if (found == key->values.end()) return kRegFileNotFound;
  SubstituteValue& value = found->second;
  if (type != nullptr) *type = value.type;
  RegDword length = static_cast<RegDword>(value.data.size());
  if (data == nullptr) {
    if (size != nullptr) *size = length;
    if (store.faults.values_grow) value.data.push_back('+');
    return kRegSuccess;
  }
  if (size == nullptr) return kNoAccess;
  if (*size < length) {
    *size = length;
    return kRegMoreData;
  }
  std::memcpy(data, value.data.data(), length);
  *size = length;
  return kRegSuccess;
}

RegStatus VARENKEL_WINAPI SubstituteRegSetValueExA(RegKey handle, const char* value_name, RegDword, RegDword type,
                                                   const unsigned char* data, RegDword size) {
  RegStatus status;
  Key* key = KeyOfHandle(handle, status);
  if (key == nullptr) return status;
  if (store.faults.refuse_writes) return kRegAccessDenied;
  if (data == nullptr && size != 0) return kNoAccess;
  key->values[value_name ? value_name : ""] = SubstituteValue{type, std::vector<unsigned char>(data, data + size)};
  return kRegSuccess;
}

RegStatus VARENKEL_WINAPI SubstituteRegDeleteKeyA(RegKey root, const char* path) {
  RegStatus status;
  Key* from = KeyOfHandle(root, status);
  if (from == nullptr) return status;
  Key* parent;
  Subkeys::iterator found;
  if (RegStatus missing = FindInParent(from, path, parent, found)) return missing;
  if (!found->second->subkeys.empty() || store.faults.refuse_deletes) return kRegAccessDenied;
  ForgetHandlesInto(found->second.get());
  parent->subkeys.erase(found);
  return kRegSuccess;
}

// --- For tests ---

void SubstituteReset() { store = Store(); }  // NOLINT: assignment rebuilds the whole store

SubstituteFaults& SubstituteFaultsInForce() { return store.faults; }

void SubstituteCreateKey(int32_t root_code, const std::string& path) {
  Key* key = RootOfCode(root_code);
  std::vector<std::string> names;
  if (key == nullptr || !SplitPath(path, names)) return;
  for (const std::string& name : names) {
    std::unique_ptr<Key>& subkey = key->subkeys[name];
    if (!subkey) subkey = std::make_unique<Key>();
    key = subkey.get();
  }
}

void SubstituteSetValue(int32_t root_code, const std::string& path, const std::string& name, uint32_t type,
                        const std::vector<unsigned char>& data) {
  SubstituteCreateKey(root_code, path);
  if (Key* key = KeyAt(root_code, path)) key->values[name] = SubstituteValue{type, data};
}

bool SubstituteKeyExists(int32_t root_code, const std::string& path) { return KeyAt(root_code, path) != nullptr; }

const SubstituteValue* SubstituteFindValue(int32_t root_code, const std::string& path, const std::string& name) {
  Key* key = KeyAt(root_code, path);
  if (key == nullptr) return nullptr;
  auto found = key->values.find(name);
  return found == key->values.end() ? nullptr : &found->second;
}

void SubstituteDeleteTree(int32_t root_code, const std::string& path) {
  Key* root = RootOfCode(root_code);
  Key* parent;
  Subkeys::iterator found;
  if (root == nullptr || FindInParent(root, path.c_str(), parent, found) != kRegSuccess) return;
  ForgetHandlesInto(found->second.get());
  parent->subkeys.erase(found);
}

std::vector<std::string> SubstituteSubkeyNames(int32_t root_code, const std::string& path) {
  std::vector<std::string> names;
  if (Key* key = KeyAt(root_code, path))
    for (const auto& subkey : key->subkeys) names.push_back(subkey.first);
  return names;
}

int SubstituteOpenHandleCount() { return static_cast<int>(store.handles.size()); }

RegistrySnapshot SubstituteSnapshot() {
  RegistrySnapshot snapshot;
  for (int i = 0; i < kRootCount; ++i) SnapshotKey(kRootNames[i], store.roots[i], snapshot);
  return snapshot;
}
