#include "registry/bindings.h"
#include "registry/substitute/substitute_loader.h"
#include "registry/substitute/substitute_registry.h"
#include "tests/contract/scratch_registry.h"

namespace {
constexpr int32_t kRootCurrentUser = 3;
std::string Full(const std::string& path) { return path.empty() ? ScratchBase() : ScratchBase() + "\\" + path; }
}  // namespace

int32_t ScratchRootCode() { return kRootCurrentUser; }
std::string ScratchBase() { return "Software\\VarenkelContract"; }

void ScratchSetUp() {
  ReleaseBindings();
  SubstituteReset();
  SubstituteLoaderReset();
  SubstituteCreateKey(kRootCurrentUser, ScratchBase());
}

void ScratchTearDown() { SubstituteDeleteTree(kRootCurrentUser, ScratchBase()); }

void ScratchCreateKey(const std::string& path) { SubstituteCreateKey(kRootCurrentUser, Full(path)); }

void ScratchSetValue(const std::string& path, const std::string& name, uint32_t type, const Bytes& data) {
  SubstituteSetValue(kRootCurrentUser, Full(path), name, type, data);
}

bool ScratchKeyExists(const std::string& path) { return SubstituteKeyExists(kRootCurrentUser, Full(path)); }

ScratchValue ScratchReadValue(const std::string& path, const std::string& name) {
  const SubstituteValue* value = SubstituteFindValue(kRootCurrentUser, Full(path), name);
  if (value == nullptr) return {false, 0, {}};
  return {true, value->type, value->data};
}

int ScratchOpenHandleCount() { return SubstituteOpenHandleCount(); }
