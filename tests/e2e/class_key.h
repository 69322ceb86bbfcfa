// The network class key below HKLM in the Wine prefix that the tests share with Varenkel.exe
// (one wineserver, one registry): seeding it, snapshots of everything below it, and changes made
// behind the program's back. Paths are relative to the class key.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/e2e/sample_connections.h"

struct RegistryValue {
  DWORD type;
  std::vector<unsigned char> data;
};
bool operator==(const RegistryValue& a, const RegistryValue& b);
void PrintTo(const RegistryValue& value, std::ostream* out);

// Every key below the class key by its path ("" is the class key itself), with its values by name.
using RegistrySnapshot = std::map<std::string, std::map<std::string, RegistryValue>>;
RegistrySnapshot SnapshotClassKey();

// What seeding created below HKLM, so that removing it takes away exactly that.
struct SeededClassKey {
  std::string topmost_created;  // the first key of the class key's path that did not exist before
};

// Replaces everything below the class key by the samples.
SeededClassKey SeedClassKey(const std::vector<SampleConnection>& samples);
void RemoveSeededKeys(const SeededClassKey& seeded);

std::string ConnectionSubkeyPath(const SampleConnection& sample);  // key\Connection
RegistryValue NameValueOf(const std::string& name);                 // as seeded: GBK bytes and a NUL

// The class key's direct subkeys in the registry's enumeration order.
std::vector<std::string> EnumerateClassKey();
void CreateKeyBelowClassKey(const std::string& path);
bool DeleteKeyBelowClassKey(const std::string& path);
std::optional<RegistryValue> ReadValueBelowClassKey(const std::string& path, const std::string& value_name);
