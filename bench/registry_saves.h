// Wine's server writes its registry files back every 30 s while they hold changes, and answers no
// registry call meanwhile. A sample that such a save fell into is timed again.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The latest write time of the prefix's registry files (system.reg, user.reg, userdef.reg);
// `prefix` is the prefix folder as a Windows path.
ULONGLONG LatestRegistrySave(const std::string& prefix);

inline constexpr int kSaveAttempts = 4;

// Runs `measure` (which gives an optional result) until no save fell within it, at most
// kSaveAttempts times, and counts the samples thrown away in `retimed`. Nothing when `measure`
// failed; the last result when every attempt met a save.
template <typename Measure>
auto OutsideRegistrySaves(const std::string& prefix, int& retimed, Measure measure) -> decltype(measure()) {
  for (int attempt = 1;; ++attempt) {
    ULONGLONG before = LatestRegistrySave(prefix);
    auto result = measure();
    if (!result || LatestRegistrySave(prefix) == before || attempt == kSaveAttempts) return result;
    ++retimed;
  }
}
