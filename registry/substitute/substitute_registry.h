// A registry in memory that stands in for advapi32 in native builds. It behaves as Windows does
// where the program can tell: subkeys enumerate sorted by their upper-cased names, key and value
// names compare case-insensitively, a trailing backslash names the same key, a key with subkeys is
// not deleted, and value data are kept as the bytes given.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "registry/registry_abi.h"

// Six functions with the signatures and results of their Win32 namesakes.
RegStatus VARENKEL_WINAPI SubstituteRegOpenKeyA(RegKey root, const char* path, RegKey* opened);
RegStatus VARENKEL_WINAPI SubstituteRegEnumKeyA(RegKey key, RegDword index, char* name, RegDword capacity);
RegStatus VARENKEL_WINAPI SubstituteRegCloseKey(RegKey key);
RegStatus VARENKEL_WINAPI SubstituteRegQueryValueExA(RegKey key, const char* value_name, RegDword* reserved,
                                                     RegDword* type, unsigned char* data, RegDword* size);
RegStatus VARENKEL_WINAPI SubstituteRegSetValueExA(RegKey key, const char* value_name, RegDword reserved, RegDword type,
                                                   const unsigned char* data, RegDword size);
RegStatus VARENKEL_WINAPI SubstituteRegDeleteKeyA(RegKey root, const char* path);

// --- For tests: preparing, inspecting and breaking the store ---

struct SubstituteValue {
  uint32_t type;
  std::vector<unsigned char> data;
  bool operator==(const SubstituteValue& other) const { return type == other.type && data == other.data; }
};

// Everything below the roots as sorted text, "HKLM\a\b" for keys and "HKLM\a\b : name" for values:
// two snapshots compare equal exactly when no key or value differs.
using RegistrySnapshot = std::map<std::string, SubstituteValue>;

struct SubstituteFaults {
  int enum_fails_at = -1;           // RegEnumKeyA fails from this index on
  bool values_grow = false;         // a value gains a byte right after each size query
  bool refuse_writes = false;       // RegSetValueExA is denied
  bool refuse_deletes = false;      // RegDeleteKeyA is denied
};

// An empty store (the five roots only), no open handles, no faults.
void SubstituteReset();
SubstituteFaults& SubstituteFaultsInForce();

// `root_code` as the registry module's codes (1..5). Paths name keys below the root.
void SubstituteCreateKey(int32_t root_code, const std::string& path);
void SubstituteSetValue(int32_t root_code, const std::string& path, const std::string& name, uint32_t type,
                        const std::vector<unsigned char>& data);
bool SubstituteKeyExists(int32_t root_code, const std::string& path);
// Null when the key or the value is missing.
const SubstituteValue* SubstituteFindValue(int32_t root_code, const std::string& path, const std::string& name);
// Removes the key with everything below it.
void SubstituteDeleteTree(int32_t root_code, const std::string& path);
std::vector<std::string> SubstituteSubkeyNames(int32_t root_code, const std::string& path);

int SubstituteOpenHandleCount();
RegistrySnapshot SubstituteSnapshot();
