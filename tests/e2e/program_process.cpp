#include "tests/e2e/program_process.h"

#include <cstdlib>
#include <string>

#include "app/texts.h"
#include "tests/e2e/poll.h"
#include "tests/e2e/remote_controls.h"

namespace {

// scripts/test passes a Unix path; Wine's drive Z: is the Unix root.
std::string WindowsPath(std::string path) {
  if (path.empty() || path[0] != '/') return path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return "Z:" + path;
}

struct WindowSearch {
  DWORD process_id;
  const char* class_name;
  bool visible_only;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM search_address) {
  auto& search = *reinterpret_cast<WindowSearch*>(search_address);
  DWORD owner_process = 0;
  GetWindowThreadProcessId(window, &owner_process);
  if (owner_process != search.process_id || (search.visible_only && !IsWindowVisible(window))) return TRUE;
  char class_name[64] = "";
  GetClassNameA(window, class_name, sizeof class_name);
  if (search.class_name == nullptr || lstrcmpiA(class_name, search.class_name) == 0) search.found.push_back(window);
  return TRUE;
}

std::vector<HWND> CollectTopLevelWindows(DWORD process_id, const char* class_name, bool visible_only) {
  WindowSearch search{process_id, class_name, visible_only, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The caption as the system keeps it for another process's window, without a message to its thread.
std::string CaptionOf(HWND window) {
  wchar_t caption[64] = L"";
  int length = GetWindowTextW(window, caption, 64);
  return GbkFromWide(std::wstring(caption, length > 0 ? static_cast<size_t>(length) : 0));
}

}  // namespace

void StopProgram(RunningProgram& program) {
  PROCESS_INFORMATION& process = program.process;
  if (process.hProcess == nullptr) return;
  if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, kPatienceMs);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  process = {};
  program.window = nullptr;
}

::testing::AssertionResult StartVarenkel(RunningProgram& program) {
  ::testing::AssertionResult launched = LaunchVarenkel(program);
  if (!launched) return launched;
  bool shown = PollUntil([&] {
    HWND window = MainWindowOf(program.process.dwProcessId);
    if (window != nullptr && IsWindowVisible(window)) program.window = window;
    return program.window != nullptr || WaitForSingleObject(program.process.hProcess, 0) == WAIT_OBJECT_0;
  });
  if (program.window == nullptr)
    return ::testing::AssertionFailure() << (shown ? "the program ended without showing its window"
                                                   : "no visible window captioned Varenkel appeared");
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult LaunchVarenkel(RunningProgram& program) {
  const char* exe = std::getenv("VARENKEL_EXE");
  if (exe == nullptr || *exe == '\0') return ::testing::AssertionFailure() << "VARENKEL_EXE is not set";
  std::string command_line = "\"" + WindowsPath(exe) + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessA(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &program.process))
    return ::testing::AssertionFailure() << "cannot start " << command_line << ", error " << GetLastError();
  return ::testing::AssertionSuccess();
}

HWND MainWindowOf(DWORD process_id) {
  for (HWND window : CollectTopLevelWindows(process_id, nullptr, false))
    if (CaptionOf(window) == kCaption) return window;
  return nullptr;
}

std::optional<DWORD> WaitForExit(const RunningProgram& program) {
  if (WaitForSingleObject(program.process.hProcess, kPatienceMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD exit_code = 0;
  GetExitCodeProcess(program.process.hProcess, &exit_code);
  return exit_code;
}

std::vector<HWND> VisibleTopLevelWindows(DWORD process_id, const char* class_name) {
  return CollectTopLevelWindows(process_id, class_name, true);
}
