// Elapsed time for the benchmark, from the performance counter.
#pragma once

#include <windows.h>

inline double NowSeconds() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}
