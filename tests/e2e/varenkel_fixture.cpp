#include "tests/e2e/varenkel_fixture.h"

void VarenkelTest::SetUp() {
  seeded_ = SeedClassKey(kSampleConnections);
  ASSERT_TRUE(StartVarenkel(program_));
}

void VarenkelTest::TearDown() {
  StopProgram(program_);
  RemoveSeededKeys(seeded_);
}

std::vector<ComboItem> FirstListing() {
  std::vector<std::string> names;
  for (const std::string& key : EnumerateClassKey())
    for (const SampleConnection& sample : kSampleConnections)
      if (sample.key == key && sample.listed) names.push_back(sample.name);
  return ItemsNamed(names, 1);
}

std::vector<ComboItem> ItemsNamed(const std::vector<std::string>& names, LRESULT first_item_value) {
  std::vector<ComboItem> items;
  for (const std::string& name : names) items.push_back({name, first_item_value + static_cast<LRESULT>(items.size())});
  return items;
}
