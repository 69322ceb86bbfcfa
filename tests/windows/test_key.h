// A registry key that a test opened itself (never a predefined root), closed when it goes.
#pragma once

#include <windows.h>

struct TestKey {
  HKEY key = nullptr;
  TestKey() = default;
  TestKey(const TestKey&) = delete;
  TestKey& operator=(const TestKey&) = delete;
  ~TestKey() {
    if (key != nullptr) RegCloseKey(key);
  }
};
