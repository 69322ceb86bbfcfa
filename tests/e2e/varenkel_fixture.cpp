#include "tests/e2e/varenkel_fixture.h"

#include <map>

void VarenkelTest::SetUp() {
  seeded_ = SeedClassKey(kSampleConnections);
  ASSERT_TRUE(StartVarenkel(program_));
}

void VarenkelTest::TearDown() {
  StopProgram(program_);
  RemoveSeededKeys(seeded_);
}

std::vector<ComboItem> FirstListing() { return FirstListing(kSampleConnections); }

std::vector<ComboItem> FirstListing(const std::vector<SampleConnection>& seeded) {
  std::map<std::string, const SampleConnection*> by_key;
  for (const SampleConnection& sample : seeded) by_key[sample.key] = &sample;
  std::vector<std::string> names;
  for (const std::string& key : EnumerateClassKey()) {
    auto found = by_key.find(key);
    if (found != by_key.end() && found->second->listed) names.push_back(found->second->name);
  }
  return ItemsNamed(names, 1);
}

std::vector<ComboItem> ItemsNamed(const std::vector<std::string>& names, LRESULT first_item_value) {
  std::vector<ComboItem> items;
  for (const std::string& name : names) items.push_back({name, first_item_value + static_cast<LRESULT>(items.size())});
  return items;
}
