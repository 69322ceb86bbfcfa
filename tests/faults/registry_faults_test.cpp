// What the registry module gives when the registry fails under it. The same cases run natively
// and under Wine.
#include <gtest/gtest.h>

#include "registry/registry.h"
#include "tests/contract/scratch_registry.h"
#include "tests/faults/fault_injection.h"

namespace {

Bytes B(const std::string& s) { return Bytes(s.begin(), s.end()); }
std::string Path(const std::string& relative) { return ScratchBase() + "\\" + relative; }

struct InjectedRegistryFaults : testing::Test {
  void SetUp() override {
    ClearInjectedFaults();
    ScratchSetUp();
  }
  void TearDown() override {
    ClearInjectedFaults();
    int open = ScratchOpenHandleCount();
    if (open != -1) {
      EXPECT_EQ(open, 0) << "a key was left open";
    }
    ScratchTearDown();
  }
};

TEST_F(InjectedRegistryFaults, EnumerationFailingInTheMiddleKeepsWhatCameBefore) {
  for (const char* name : {"a", "b", "c", "d"}) ScratchCreateKey(std::string("k\\") + name);
  InjectEnumerationFailureFrom(2);
  TextList list = {"old"};
  EXPECT_EQ(RegistryEnumSubkeys(ScratchRootCode(), Path("k"), list), 3);
  EXPECT_EQ(list, (TextList{"old", "a", "b"}));
}

TEST_F(InjectedRegistryFaults, ValueGrowingBetweenTheQueriesReadsAsEmpty) {
  ScratchSetValue("k", "Name", 1, B(std::string("abc", 4)));
  InjectGrowingValues();
  EXPECT_TRUE(RegistryReadValue(ScratchRootCode(), Path("k"), "Name", 11).empty());
  EXPECT_EQ(RegistryReadText(ScratchRootCode(), Path("k"), "Name"), "");
}

TEST_F(InjectedRegistryFaults, RefusedWriteAndDeleteReportFalseAndChangeNothing) {
  ScratchSetValue("k\\leaf", "Name", 1, B(std::string("old", 4)));
  InjectRefusedWrites();
  InjectRefusedDeletes();
  EXPECT_FALSE(RegistryWriteValue(ScratchRootCode(), Path("k\\leaf"), "Name", 11, B(std::string("new", 4))));
  EXPECT_FALSE(RegistryDeleteKey(ScratchRootCode(), Path("k\\leaf")));
  EXPECT_EQ(ScratchReadValue("k\\leaf", "Name").data, B(std::string("old", 4)));
  EXPECT_TRUE(ScratchKeyExists("k\\leaf"));
}

}  // namespace
