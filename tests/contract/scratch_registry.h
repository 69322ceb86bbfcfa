// The registry contract tests prepare and inspect their keys through these, each case below a
// scratch key of its own: natively in the substitute registry, under Wine in the real one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "registry/registry.h"

// Root code of the scratch area and the path of the scratch key below it.
int32_t ScratchRootCode();
std::string ScratchBase();

// A fresh, empty scratch key (and, natively, fresh bindings and loader counters).
void ScratchSetUp();
// Removes the scratch key with everything below it.
void ScratchTearDown();

// Paths are relative to the scratch key; "" is the scratch key itself.
void ScratchCreateKey(const std::string& path);
void ScratchSetValue(const std::string& path, const std::string& name, uint32_t type, const Bytes& data);
bool ScratchKeyExists(const std::string& path);
struct ScratchValue {
  bool exists;
  uint32_t type;
  Bytes data;
};
ScratchValue ScratchReadValue(const std::string& path, const std::string& name);

// Keys the program left open, or -1 where the platform cannot count them.
int ScratchOpenHandleCount();
