// A registry function that cannot be bound, with the real advapi32 and user32: this program starts
// itself as a child that fails to bind, reads the child's message box, dismisses it and looks at
// the child's exit code and at what its exit hooks wrote.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/texts.h"
#include "tests/faults/bind_failures.h"
#include "tests/reference/count_occurrences.h"
#include "tests/windows/fault_loader.h"
#include "toolkit/toolkit.h"

namespace {

// --- The fatal stop, in a child process ---

void HookA() { std::printf("hook A ran\n"); std::fflush(stdout); }
void HookB() { std::printf("hook B ran\n"); std::fflush(stdout); }

struct FindBox {
  DWORD pid;
  HWND box;
};

BOOL CALLBACK FindMessageBoxOf(HWND window, LPARAM context) {
  FindBox* find = reinterpret_cast<FindBox*>(context);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  char class_name[16] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  if (pid == find->pid && std::strcmp(class_name, "#32770") == 0 && IsWindowVisible(window)) {
    find->box = window;
    return FALSE;
  }
  return TRUE;
}

// Another process's window text, in code page 936.
std::string TextOf(HWND window) {
  wchar_t text[512] = {};
  SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  char ansi[1024] = {};
  WideCharToMultiByte(936, 0, text, -1, ansi, sizeof ansi, nullptr, nullptr);
  return ansi;
}

BOOL CALLBACK CollectStaticTexts(HWND child, LPARAM context) {
  char class_name[16] = {};
  GetClassNameA(child, class_name, sizeof class_name);
  if (lstrcmpiA(class_name, "Static") == 0) *reinterpret_cast<std::string*>(context) += TextOf(child);
  return TRUE;
}

struct ChildRun {
  DWORD exit_code = 0;
  std::string title, text, output;
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
  FindBox find = {process.dwProcessId, nullptr};
  for (int tries = 0; tries < 300 && find.box == nullptr; ++tries) {  // up to 30 s
    EnumWindows(FindMessageBoxOf, reinterpret_cast<LPARAM>(&find));
    if (find.box == nullptr) Sleep(100);
  }
  if (find.box != nullptr) {
    run.title = TextOf(find.box);
    EnumChildWindows(find.box, CollectStaticTexts, reinterpret_cast<LPARAM>(&run.text));
    PostMessageW(find.box, WM_COMMAND, IDOK, 0);
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
