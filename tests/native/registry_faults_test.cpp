// Native-only faults and seams under the registry module: events during the enumeration, keys
// that vanish, and functions that cannot be bound (a fatal stop, seen from a child process).
#include <gtest/gtest.h>

#include "app/texts.h"
#include "registry/bindings.h"
#include "registry/registry.h"
#include "registry/substitute/substitute_loader.h"
#include "registry/substitute/substitute_registry.h"
#include "tests/contract/scratch_registry.h"
#include "tests/faults/bind_failures.h"
#include "tests/native/child_process.h"
#include "toolkit/headless/headless_toolkit.h"

namespace {

Bytes B(const std::string& s) { return Bytes(s.begin(), s.end()); }
std::string Path(const std::string& relative) { return ScratchBase() + "\\" + relative; }

struct RegistryFaults : testing::Test {
  void SetUp() override {
    HeadlessReset();
    ScratchSetUp();
  }
  void TearDown() override { EXPECT_EQ(SubstituteOpenHandleCount(), 0) << "a key was left open"; }
};

TEST_F(RegistryFaults, EnumerationLetsWaitingEventsRunOnceASubkeyIsAppended) {
  ScratchCreateKey("empty");
  for (const char* name : {"a", "b", "c"}) ScratchCreateKey(std::string("k\\") + name);
  TextList list;
  std::vector<size_t> seen;  // list sizes when the events ran
  HeadlessPostEvent([&] { seen.push_back(list.size()); });
  RegistryEnumSubkeys(ScratchRootCode(), Path("empty"), list);
  EXPECT_TRUE(seen.empty()) << "no subkey, no events";
  RegistryEnumSubkeys(ScratchRootCode(), Path("k"), list);
  EXPECT_EQ(seen, std::vector<size_t>{1});
}

TEST_F(RegistryFaults, EnumerationStopsBeforeTheRequestToEndTheLoop) {
  ScratchCreateKey("k\\a");
  bool ran_after_quit = false;
  HeadlessPostQuit();
  HeadlessPostEvent([&] { ran_after_quit = true; });
  TextList list;
  RegistryEnumSubkeys(ScratchRootCode(), Path("k"), list);
  EXPECT_FALSE(ran_after_quit);
  EXPECT_EQ(HeadlessWaitingEventCount(), 2);
}

TEST_F(RegistryFaults, KeyDeletedWhileEnumeratedEndsTheEnumeration) {
  for (const char* name : {"a", "b"}) ScratchCreateKey(std::string("k\\") + name);
  HeadlessPostEvent([] { SubstituteDeleteTree(ScratchRootCode(), Path("k")); });
  TextList list;
  EXPECT_EQ(RegistryEnumSubkeys(ScratchRootCode(), Path("k"), list), 1);
  EXPECT_EQ(list, TextList{"a"});
}

// --- Binding failures: a fatal stop, seen from outside the process ---

void ReportMessage(const ShownMessage& message) {
  std::fprintf(stderr, "message box [%s] %u: %s\n", message.title.c_str(), message.icon_flags, message.text.c_str());
}

void RecordHookA() { std::fprintf(stderr, "hook A ran\n"); }
void RecordHookB() { std::fprintf(stderr, "hook B ran; libraries still loaded: %d\n", SubstituteLoadedLibraryCount()); }

TEST_F(RegistryFaults, FunctionThatCannotBeBoundIsAFatalStop) {
  for (int i = 0; i < kBindFailureCount; ++i) {
    const BindFailure& row = kBindFailures[i];
    SCOPED_TRACE(row.name);
    ScratchSetUp();  // HKCU\Software exists
    ChildOutcome outcome = RunInChild([&] {
      HeadlessOnMessageShown(ReportMessage);
      SubstituteLoaderFaults().library_that_fails = row.library_that_fails;
      SubstituteLoaderFaults().function_not_exported = row.function_not_exported;
      RegisterExitHook(RecordHookA);
      RegisterExitHook(RecordHookB);
      row.call();
    });
    EXPECT_EQ(outcome.exit_code, 255);  // -1
    EXPECT_EQ(CountOccurrences(outcome.stderr_text, BindFailureMessage(row)), 1) << outcome.stderr_text;
    EXPECT_EQ(CountOccurrences(outcome.stderr_text, std::string("message box [") + kFatalTitle + "] 16"), 1);
    EXPECT_EQ(CountOccurrences(outcome.stderr_text, "hook A ran"), 1);
    // The libraries that did not export the function were released again; the others stay bound.
    EXPECT_EQ(CountOccurrences(outcome.stderr_text, "hook B ran; libraries still loaded: "), 1);
    EXPECT_LT(outcome.stderr_text.find("hook A ran"), outcome.stderr_text.find("hook B ran"));
  }
}

TEST_F(RegistryFaults, LibrariesSearchedInVainAreReleased) {
  SubstituteLoaderFaults().function_not_exported = "RegSetValueExA";
  ChildOutcome outcome = RunInChild([] {
    ScratchCreateKey("k");
    RegisterExitHook(RecordHookB);                        // runs before the bindings are released
    RegistryOpenKey(ScratchRootCode(), Path("missing"));  // binds RegOpenKeyA: one library loaded
    RegistryWriteValue(ScratchRootCode(), Path("k"), "Name", 11, B("x"));
  });
  EXPECT_EQ(outcome.exit_code, 255);
  EXPECT_EQ(CountOccurrences(outcome.stderr_text, "libraries still loaded: 1"), 1) << outcome.stderr_text;
}

TEST_F(RegistryFaults, BindingHappensAtTheFirstCallAndOnlyOnce) {
  ScratchCreateKey("k");
  EXPECT_EQ(BindingOf(RegistryFunction::DeleteKey).address, nullptr);
  EXPECT_EQ(SubstituteLoadedLibraryCount(), 0);
  RegistryDeleteKey(ScratchRootCode(), Path("missing"));
  void* first = BindingOf(RegistryFunction::DeleteKey).address;
  EXPECT_NE(first, nullptr);
  EXPECT_EQ(SubstituteLoadedLibraryCount(), 1);
  RegistryDeleteKey(ScratchRootCode(), Path("missing"));
  EXPECT_EQ(BindingOf(RegistryFunction::DeleteKey).address, first);
  EXPECT_EQ(SubstituteLoadedLibraryCount(), 1);
  ReleaseBindings();
  EXPECT_EQ(SubstituteLoadedLibraryCount(), 0);
}

}  // namespace
