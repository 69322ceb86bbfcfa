#include "bench/registry_saves.h"

#include <algorithm>

namespace {

ULONGLONG LastWriteTime(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA attributes;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &attributes)) return 0;
  return (ULONGLONG{attributes.ftLastWriteTime.dwHighDateTime} << 32) | attributes.ftLastWriteTime.dwLowDateTime;
}

}  // namespace

ULONGLONG LatestRegistrySave(const std::string& prefix) {
  ULONGLONG latest = 0;
  for (const char* file : {"system.reg", "user.reg", "userdef.reg"})
    latest = std::max(latest, LastWriteTime(prefix + "\\" + file));
  return latest;
}
