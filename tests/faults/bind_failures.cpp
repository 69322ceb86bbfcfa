#include "tests/faults/bind_failures.h"

#include "app/texts.h"
#include "registry/registry.h"

namespace {
constexpr int32_t kRootCurrentUser = 3;
}  // namespace

const BindFailure kBindFailures[] = {
    {"library does not load", "advapi32.dll", "",
     [] { RegistryDeleteKey(kRootCurrentUser, "Software\\VarenkelNoSuchKey"); }, "advapi32.dll", "RegDeleteKeyA"},
    {"function not exported by its extensionless library", "", "RegEnumKeyA",
     [] {
       TextList list;
       RegistryEnumSubkeys(kRootCurrentUser, "Software", list);
     },
     "advapi32", "RegEnumKeyA"},
    {"function exported by no standard library", "", "RegSetValueExA",
     [] { RegistryWriteValue(kRootCurrentUser, "Software", "VarenkelNoSuchValue", 11, Bytes{'x'}); },
     "advapi32.dll, kernel32.dll, user32.dll", "RegSetValueExA"},
    {"function not exported by its library", "", "RegQueryValueExA",
     [] { RegistryReadText(kRootCurrentUser, "Software", "VarenkelNoSuchValue"); }, "advapi32.dll",
     "RegQueryValueExA"},
};
const int kBindFailureCount = sizeof kBindFailures / sizeof kBindFailures[0];

std::string BindFailureMessage(const BindFailure& failure) {
  return kBindFailedLead + std::string(failure.library_named) + kBindFailedMiddle + failure.function_named +
         kBindFailedTail;
}
