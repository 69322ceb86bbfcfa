#include "bench/raw_loops.h"

#include <windows.h>

#include <cstring>

#include "connections/connection_list.h"

namespace {

constexpr char kConnectionSuffix[] = "\\Connection";
constexpr DWORD kNameCapacity = 256;  // the program's name buffer, without its NUL

// Size query, then data query into a buffer of that size, as the program reads a value.
bool ReadName(const char* path) {
  HKEY key = nullptr;
  RegOpenKeyA(HKEY_LOCAL_MACHINE, path, &key);
  if (key == nullptr) return false;
  char data[1024];
  DWORD type = 0, size = 0;
  RegQueryValueExA(key, "Name", nullptr, &type, nullptr, &size);
  bool read = size <= sizeof data &&
              RegQueryValueExA(key, "Name", nullptr, &type, reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS;
  RegCloseKey(key);
  return read;
}

}  // namespace

void ProcessPendingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

int ReadEveryName(RawLoop loop) {
  HKEY class_key = nullptr;
  if (RegOpenKeyA(HKEY_LOCAL_MACHINE, kNetworkClassKey, &class_key) != ERROR_SUCCESS) return 0;
  // The path is the class key, a backslash, the subkey and \Connection; only the subkey changes.
  char path[sizeof kNetworkClassKey + 1 + kNameCapacity + sizeof kConnectionSuffix];
  std::memcpy(path, kNetworkClassKey, sizeof kNetworkClassKey - 1);
  char* subkey = path + sizeof kNetworkClassKey - 1;
  *subkey++ = '\\';
  int read = 0;
  for (DWORD index = 0; RegEnumKeyA(class_key, index, subkey, kNameCapacity) == ERROR_SUCCESS; ++index) {
    std::strcpy(subkey + std::strlen(subkey), kConnectionSuffix);
    if (ReadName(path)) ++read;
    if (loop == RawLoop::ProcessingEvents) ProcessPendingMessages();
  }
  RegCloseKey(class_key);
  return read;
}
