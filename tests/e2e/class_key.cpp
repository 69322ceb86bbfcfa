#include "tests/e2e/class_key.h"

#include <iomanip>

#include "connections/connection_list.h"
#include "tests/windows/test_key.h"

namespace {

std::string FullPath(const std::string& path) {
  return path.empty() ? std::string(kNetworkClassKey) : std::string(kNetworkClassKey) + "\\" + path;
}

bool KeyExists(const std::string& full_path) {
  TestKey key;
  return RegOpenKeyExA(HKEY_LOCAL_MACHINE, full_path.c_str(), 0, KEY_READ, &key.key) == ERROR_SUCCESS;
}

void CreateKey(const std::string& full_path) {
  TestKey key;
  RegCreateKeyExA(HKEY_LOCAL_MACHINE, full_path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key.key, nullptr);
}

void SetValue(const std::string& path, const std::string& value_name, const RegistryValue& value) {
  TestKey key;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, FullPath(path).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key.key,
                      nullptr) != ERROR_SUCCESS)
    return;
  RegSetValueExA(key.key, value_name.c_str(), 0, value.type, value.data.data(), static_cast<DWORD>(value.data.size()));
}

RegistryValue TextValue(const std::string& text) {
  RegistryValue value{REG_SZ, std::vector<unsigned char>(text.begin(), text.end())};
  value.data.push_back(0);
  return value;
}

RegistryValue DwordValue(DWORD number) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(&number);
  return {REG_DWORD, std::vector<unsigned char>(bytes, bytes + sizeof number)};
}

std::vector<std::string> SubkeyNames(HKEY key) {
  std::vector<std::string> names;
  char name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = sizeof name;
    if (RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  return names;
}

std::map<std::string, RegistryValue> ValuesOf(HKEY key) {
  std::map<std::string, RegistryValue> values;
  DWORD longest_name = 0, largest_data = 0;
  RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longest_name, &largest_data,
                   nullptr, nullptr);
  std::string name(longest_name + 1, '\0');
  std::vector<unsigned char> data(largest_data + 1);
  for (DWORD index = 0;; ++index) {
    DWORD name_length = static_cast<DWORD>(name.size()), type = 0, size = static_cast<DWORD>(data.size());
    if (RegEnumValueA(key, index, name.data(), &name_length, nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
      break;
    values[name.substr(0, name_length)] = {type, std::vector<unsigned char>(data.begin(), data.begin() + size)};
  }
  return values;
}

void AddToSnapshot(const std::string& path, RegistrySnapshot& snapshot) {
  TestKey key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, FullPath(path).c_str(), 0, KEY_READ, &key.key) != ERROR_SUCCESS) return;
  snapshot[path] = ValuesOf(key.key);
  for (const std::string& subkey : SubkeyNames(key.key))
    AddToSnapshot(path.empty() ? subkey : path + "\\" + subkey, snapshot);
}

// A well-formed device instance path for each connection, as a virtual adapter would have.
std::string PnpInstanceId(size_t index) { return "ROOT\\NET\\" + std::to_string(1000 + index).substr(1); }

}  // namespace

bool operator==(const RegistryValue& a, const RegistryValue& b) { return a.type == b.type && a.data == b.data; }

void PrintTo(const RegistryValue& value, std::ostream* out) {
  *out << "type " << value.type << ", bytes";
  for (unsigned char byte : value.data) *out << ' ' << std::hex << std::setw(2) << std::setfill('0') << int{byte};
  *out << std::dec;
}

RegistrySnapshot SnapshotClassKey() {
  RegistrySnapshot snapshot;
  AddToSnapshot("", snapshot);
  return snapshot;
}

SeededClassKey SeedClassKey(const std::vector<SampleConnection>& samples) {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, kNetworkClassKey);
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, kNetworkClassKey);
  SeededClassKey seeded;
  std::string path;
  for (const char* part = kNetworkClassKey;; ++part) {  // the class key path is ASCII
    if (*part == '\\' || *part == '\0') {
      if (seeded.topmost_created.empty() && !KeyExists(path)) seeded.topmost_created = path;
      if (*part == '\0') break;
    }
    path += *part;
  }
  CreateKey(kNetworkClassKey);
  for (size_t i = 0; i < samples.size(); ++i) {
    const SampleConnection& sample = samples[i];
    CreateKeyBelowClassKey(sample.key);
    if (!sample.has_connection_subkey) continue;
    SetValue(ConnectionSubkeyPath(sample), "Name", NameValueOf(sample.name));
    SetValue(ConnectionSubkeyPath(sample), "PnpInstanceID", TextValue(PnpInstanceId(i)));
    SetValue(ConnectionSubkeyPath(sample), "MediaSubType", DwordValue(1));
  }
  return seeded;
}

void RemoveSeededKeys(const SeededClassKey& seeded) {
  const std::string& topmost = seeded.topmost_created.empty() ? std::string(kNetworkClassKey) : seeded.topmost_created;
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, topmost.c_str());
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, topmost.c_str());
}

std::string ConnectionSubkeyPath(const SampleConnection& sample) { return sample.key + "\\Connection"; }

RegistryValue NameValueOf(const std::string& name) { return TextValue(name); }

std::vector<std::string> EnumerateClassKey() {
  TestKey key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kNetworkClassKey, 0, KEY_READ, &key.key) != ERROR_SUCCESS) return {};
  return SubkeyNames(key.key);
}

void CreateKeyBelowClassKey(const std::string& path) { CreateKey(FullPath(path)); }

bool DeleteKeyBelowClassKey(const std::string& path) {
  return RegDeleteKeyA(HKEY_LOCAL_MACHINE, FullPath(path).c_str()) == ERROR_SUCCESS;
}

std::optional<RegistryValue> ReadValueBelowClassKey(const std::string& path, const std::string& value_name) {
  TestKey key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, FullPath(path).c_str(), 0, KEY_READ, &key.key) != ERROR_SUCCESS)
    return std::nullopt;
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key.key, value_name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return std::nullopt;
  RegistryValue value{type, std::vector<unsigned char>(size)};
  if (RegQueryValueExA(key.key, value_name.c_str(), nullptr, &type, value.data.data(), &size) != ERROR_SUCCESS)
    return std::nullopt;
  value.data.resize(size);
  return value;
}
