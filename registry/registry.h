// The program's only way to the registry. Roots and value types are given as the module's own
// small codes; every failure shows only in the result (0, false, empty bytes, an empty text).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "registry/registry_abi.h"

using Bytes = std::vector<unsigned char>;
using TextList = std::vector<std::string>;

// Root codes: 1 HKEY_CLASSES_ROOT, 2 HKEY_CURRENT_CONFIG, 3 HKEY_CURRENT_USER, 4 HKEY_LOCAL_MACHINE,
// 5 HKEY_USERS. Any other value is taken as a key handle unchanged.
inline constexpr int32_t kRootLocalMachine = 4;
// Type code 11 is REG_SZ; the full table is in RegistryValueType.
inline constexpr int32_t kTypeText = 11;

int32_t RegistryRootHandle(int32_t root_code);
uint32_t RegistryValueType(int32_t type_code);

// The opened key, or null. The caller closes it with RegCloseKey.
RegKey RegistryOpenKey(int32_t root_code, const std::string& path);
// Appends the names of all subkeys to `list`, letting pending window events run after each one.
// Returns the size of the list afterwards, or 0 (list untouched) when the key cannot be opened.
int32_t RegistryEnumSubkeys(int32_t root_code, const std::string& path, TextList& list);
Bytes RegistryReadValue(int32_t root_code, const std::string& path, const std::string& value_name, int32_t type_code);
std::string RegistryReadText(int32_t root_code, const std::string& path, const std::string& value_name);
// Writes exactly `data` (no terminator is added). Creates no key.
bool RegistryWriteValue(int32_t root_code, const std::string& path, const std::string& value_name, int32_t type_code,
                        const Bytes& data);
// Deletes the one key the path names; a key with subkeys is not deleted.
bool RegistryDeleteKey(int32_t root_code, const std::string& path);

// Closes a key handed out by RegistryOpenKey (null is ignored).
void RegistryCloseKey(RegKey key);
