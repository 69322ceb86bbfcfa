// Waiting for another process: poll a condition until it holds or a deadline passes.
#pragma once

#include <windows.h>

// Long enough for Wine to start a process and show its window on a loaded machine.
inline constexpr DWORD kPatienceMs = 15000;

template <typename Condition>
bool PollUntil(Condition condition, DWORD timeout_ms = kPatienceMs) {
  ULONGLONG deadline = GetTickCount64() + timeout_ms;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(20);
  }
}
