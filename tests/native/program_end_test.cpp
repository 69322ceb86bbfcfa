// Exit hooks and the program end, seen from outside the process.
#include <gtest/gtest.h>

#include "app/program.h"
#include "connections/connection_list.h"
#include "registry/substitute/substitute_registry.h"
#include "tests/native/child_process.h"
#include "toolkit/headless/headless_toolkit.h"

namespace {

void HookA() { std::fprintf(stderr, "[A]"); }
void HookB() { std::fprintf(stderr, "[B]"); }
void HookC() { std::fprintf(stderr, "[C]"); }

TEST(ProgramEnd, HooksRunOnceInRegistrationOrderWithoutDuplicates) {
  HeadlessReset();
  ChildOutcome outcome = RunInChild([] {
    RegisterExitHook(HookB);
    RegisterExitHook(HookA);
    RegisterExitHook(HookB);  // already registered: adds nothing
    RegisterExitHook(HookC);
    EndProgram(0);
  });
  EXPECT_EQ(outcome.exit_code, 0);
  EXPECT_EQ(outcome.stderr_text, "[B][A][C]");
}

TEST(ProgramEnd, FatalStopInsideAHookDoesNotRunTheHooksAgain) {
  HeadlessReset();
  ChildOutcome outcome = RunInChild([] {
    RegisterExitHook(HookA);
    RegisterExitHook([] { FatalStop("late"); });
    RegisterExitHook(HookC);
    EndProgram(0);
  });
  EXPECT_EQ(outcome.exit_code, 255);
  EXPECT_EQ(CountOccurrences(outcome.stderr_text, "[A]"), 1) << outcome.stderr_text;
  EXPECT_EQ(CountOccurrences(outcome.stderr_text, "[C]"), 0) << outcome.stderr_text;
}

void ReportConnectionKeyList() {
  std::fprintf(stderr, "list %s\n", ConnectionKeyList == nullptr ? "released" : "still there");
}

TEST(ProgramEnd, ConnectionKeyListIsReleasedOnceHoweverManyRefreshesRan) {
  HeadlessReset();
  SubstituteReset();
  SubstituteSetValue(4, std::string(kNetworkClassKey) + "\\{A}\\Connection", "Name", 1,
                     {0xB1, 0xBE, 0xB5, 0xD8, 0});
  ChildOutcome outcome = RunInChild([] {
    for (int i = 0; i < 3; ++i) HeadlessPostEvent(RefreshConnectionList);
    HeadlessPostEvent(HeadlessCloseWindow);
    int code = StartProgram();
    std::fprintf(stderr, "entries %zu\n", ConnectionKeyList->size());
    RegisterExitHook(ReportConnectionKeyList);
    EndProgram(code);
  });
  EXPECT_EQ(outcome.exit_code, 0);
  EXPECT_EQ(CountOccurrences(outcome.stderr_text, "entries 4\n"), 1) << outcome.stderr_text;
  EXPECT_EQ(CountOccurrences(outcome.stderr_text, "list released\n"), 1) << outcome.stderr_text;
}

}  // namespace
