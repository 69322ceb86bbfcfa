// Each test gets the sample connections freshly seeded and Varenkel.exe started against them;
// afterwards the program is ended and the seeded keys are removed.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/class_key.h"
#include "tests/e2e/program_process.h"
#include "tests/e2e/remote_controls.h"

class VarenkelTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HWND Control(int id) const { return GetDlgItem(program_.window, id); }

  SeededClassKey seeded_;
  RunningProgram program_;
};

// What the first refresh lists: the listed samples in the registry's enumeration order, with
// item values 1 to n; of the standard samples unless others were seeded.
std::vector<ComboItem> FirstListing();
std::vector<ComboItem> FirstListing(const std::vector<SampleConnection>& seeded);

// Items with these names and item values counting up from `first_item_value`.
std::vector<ComboItem> ItemsNamed(const std::vector<std::string>& names, LRESULT first_item_value);
