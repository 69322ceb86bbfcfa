// A program with its window loaded on the headless toolkit and the substitute registry.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "connections/connection_list.h"
#include "registry/bindings.h"
#include "registry/substitute/substitute_loader.h"
#include "registry/substitute/substitute_registry.h"
#include "toolkit/headless/headless_toolkit.h"

inline std::string ConnectionPath(const std::string& key) { return std::string(kNetworkClassKey) + "\\" + key; }

// A connection whose Connection\Name holds `name` and its terminator, as Windows writes it.
inline void SeedConnection(const std::string& key, const std::string& name) {
  std::vector<unsigned char> data(name.begin(), name.end());
  data.push_back(0);
  SubstituteSetValue(kRootLocalMachine, ConnectionPath(key) + "\\Connection", "Name", 1, data);
}

struct ComboItem {
  std::string text;
  int32_t value;
  bool operator==(const ComboItem& other) const { return text == other.text && value == other.value; }
};

inline std::ostream& operator<<(std::ostream& out, const ComboItem& item) {
  return out << "{\"" << item.text << "\", " << item.value << "}";
}

inline std::vector<ComboItem> ComboItems() {
  std::vector<ComboItem> items;
  for (int i = 0; !ComboItemText(组合框, i).empty() || ComboItemValue(组合框, i) != -1; ++i)
    items.push_back({ComboItemText(组合框, i), ComboItemValue(组合框, i)});
  return items;
}

struct ConnectionFixture : testing::Test {
  void SetUp() override {
    HeadlessReset();
    SubstituteReset();
    SubstituteLoaderReset();
    ReleaseBindings();
    SubstituteCreateKey(kRootLocalMachine, kNetworkClassKey);
    CreateConnectionKeyList();
  }
  void TearDown() override {
    EXPECT_EQ(SubstituteOpenHandleCount(), 0) << "a key was left open";
    ReleaseConnectionKeyList();
  }
  // Loads MainWindow, whose created event runs the first refresh.
  void Start() { LoadWindow(MainWindow); }
};
