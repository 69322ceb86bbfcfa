// A registry function that cannot be bound, with the real advapi32 and user32: this program starts
// itself as a child that fails to bind, reads the child's message box with the end-to-end tests'
// helpers, dismisses it and looks at the child's exit code and at what its exit hooks wrote.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "app/texts.h"
#include "tests/e2e/message_box.h"
#include "tests/faults/bind_failures.h"
#include "tests/reference/count_occurrences.h"
#include "tests/windows/fault_loader.h"
#include "toolkit/toolkit.h"

namespace {

// --- The fatal stop, in a child process ---

void HookA() { std::printf("hook A ran\n"); std::fflush(stdout); }
void HookB() { std::printf("hook B ran\n"); std::fflush(stdout); }

struct ChildRun {
  DWORD exit_code = 0;
  std::string title, text, output;
  MessageIcon icon = MessageIcon::Unrecognised;
};

ChildRun RunFatalChild(int row) {
  ChildRun run;
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE read_end = nullptr, write_end = nullptr;
  CreatePipe(&read_end, &write_end, &inherit, 0);
  SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string command = std::string("\"") + self + "\" --fatal-child=" + std::to_string(row);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write_end;
  startup.hStdError = write_end;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
    ADD_FAILURE() << "cannot start the child";
    return run;
  }
  CloseHandle(write_end);
  if (std::optional<ShownMessage> box = WaitForMessageBox(process.dwProcessId)) {
    run.title = box->title;
    run.text = box->text;
    run.icon = box->icon;
    DismissMessageBox(box->box);
  } else {
    ADD_FAILURE() << "no message box appeared";
    TerminateProcess(process.hProcess, 1);
  }
  WaitForSingleObject(process.hProcess, 30000);
  GetExitCodeProcess(process.hProcess, &run.exit_code);
  char buffer[512];
  for (DWORD n; ReadFile(read_end, buffer, sizeof buffer, &n, nullptr) && n > 0;) run.output.append(buffer, n);
  CloseHandle(read_end);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return run;
}

TEST(WindowsFatalStop, FunctionThatCannotBeBoundShowsItsNameAndEndsWithMinusOne) {
  for (int row = 0; row < kBindFailureCount; ++row) {
    const BindFailure& failure = kBindFailures[row];
    SCOPED_TRACE(failure.name);
    ChildRun run = RunFatalChild(row);
    EXPECT_EQ(run.exit_code, 0xFFFFFFFFu);
    EXPECT_EQ(run.title, kFatalTitle);
    EXPECT_EQ(NameOf(run.icon), NameOf(MessageIcon::Error));
    EXPECT_EQ(run.text, BindFailureMessage(failure));
    EXPECT_EQ(CountOccurrences(run.output, "hook A ran"), 1) << run.output;
    EXPECT_EQ(CountOccurrences(run.output, "hook B ran"), 1) << run.output;
    EXPECT_LT(run.output.find("hook A ran"), run.output.find("hook B ran"));
  }
}

}  // namespace

int main(int argc, char** argv) {
  const char kChildFlag[] = "--fatal-child=";
  if (argc == 2 && std::strncmp(argv[1], kChildFlag, sizeof kChildFlag - 1) == 0) {
    const BindFailure& failure = kBindFailures[std::atoi(argv[1] + sizeof kChildFlag - 1)];
    FailToLoadLibrary(failure.library_that_fails);
    HideFunction(failure.function_not_exported);
    RegisterExitHook(HookA);
    RegisterExitHook(HookB);
    RegisterExitHook(HookA);
    failure.call();
    return 100;  // the fatal stop should have ended the process
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
