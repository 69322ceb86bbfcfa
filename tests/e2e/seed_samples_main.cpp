// Seeds the sample connections into HKLM of the Wine prefix it runs in (scripts/run's sandbox),
// then reads every Name back, so that a code page slip shows here and not as garbled names.
#include <cstdio>

#include "tests/e2e/class_key.h"

int main() {
  SeedClassKey(kSampleConnections);
  int wrong = 0;
  for (const SampleConnection& sample : kSampleConnections) {
    if (!sample.has_connection_subkey) continue;
    std::optional<RegistryValue> stored = ReadValueBelowClassKey(ConnectionSubkeyPath(sample), "Name");
    if (!stored || !(*stored == NameValueOf(sample.name))) {
      std::fprintf(stderr, "the Name of %s did not read back as written\n", sample.key.c_str());
      ++wrong;
    }
  }
  std::printf("seeded %zu subkeys of the network class key\n", kSampleConnections.size());
  return wrong == 0 ? 0 : 1;
}
