#include "bench/program_runs.h"

#include <psapi.h>

#include <algorithm>

#include "app/main_window.h"
#include "app/texts.h"
#include "bench/clock.h"
#include "tests/e2e/message_box.h"
#include "tests/e2e/remote_controls.h"

namespace {

// 10,000 connections take seconds under Wine; a run that takes this long has hung.
constexpr double kDeadlineSeconds = 120;

// Owns a process handle that the driver opened.
struct OpenedProcess {
  HANDLE handle;
  explicit OpenedProcess(HANDLE opened) : handle(opened) {}
  ~OpenedProcess() {
    if (handle != nullptr) CloseHandle(handle);
  }
  OpenedProcess(const OpenedProcess&) = delete;
  OpenedProcess& operator=(const OpenedProcess&) = delete;
};

bool HasEnded(const RunningProgram& program) { return WaitForSingleObject(program.process.hProcess, 0) == WAIT_OBJECT_0; }

HWND ShownMainWindow(DWORD process_id) {
  for (HWND window : VisibleTopLevelWindows(process_id, nullptr))
    if (WindowText(window) == kCaption) return window;
  return nullptr;
}

// Asks `done` until it holds, pausing 1 ms at first and then 1/50 of the time waited so far: a
// short wait is timed to the millisecond, and a long refresh, which answers questions between its
// subkeys, is not slowed down by them.
template <typename Condition>
std::optional<double> SecondsUntil(double start, Condition done) {
  for (;;) {
    if (done()) return NowSeconds() - start;
    double waited = NowSeconds() - start;
    if (waited > kDeadlineSeconds) return std::nullopt;
    Sleep(std::max<DWORD>(1, static_cast<DWORD>(waited * 1000 / 50)));
  }
}

}  // namespace

std::optional<double> TimeStartUp(const std::string& exe, int listed, RunningProgram& program) {
  std::string command_line = "\"" + exe + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  double start = NowSeconds();
  if (!CreateProcessA(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &program.process))
    return std::nullopt;
  std::optional<double> shown = SecondsUntil(start, [&] {
    if (HasEnded(program)) return true;
    program.window = ShownMainWindow(program.process.dwProcessId);
    if (program.window == nullptr) return false;
    return listed < 0 || SendToWindow(GetDlgItem(program.window, 组合框), CB_GETCOUNT, 0, 0) == listed;
  });
  if (HasEnded(program)) return std::nullopt;
  return shown;
}

bool CloseProgram(RunningProgram& program) {
  if (program.window != nullptr) PostMessageA(program.window, WM_CLOSE, 0, 0);
  bool ended = WaitForSingleObject(program.process.hProcess, static_cast<DWORD>(kDeadlineSeconds * 1000)) == WAIT_OBJECT_0;
  StopProgram(program);
  return ended;
}

std::optional<double> TimeRefreshAfterRename(const RunningProgram& program, int listed, int refreshes_before) {
  HWND combo = GetDlgItem(program.window, 组合框);
  ChooseComboItem(combo, 0);  // its text goes into the edit box: the rename writes the same name
  ClickButton(GetDlgItem(program.window, 按钮_修改));
  std::optional<ShownMessage> shown = WaitForMessageBox(program.process.dwProcessId);
  if (!shown || shown->text != kRenameSucceeded) return std::nullopt;
  // Item values count on from one refresh to the next, so the last item's value tells the new list
  // from the old one; while the program fills the list it answers nothing, so the answer comes
  // once the list is complete.
  LRESULT last_item_value = static_cast<LRESULT>(listed) * (refreshes_before + 1);
  double start = NowSeconds();
  ClickButton(GetDlgItem(shown->box, IDOK));
  std::optional<double> filled = SecondsUntil(
      start, [&] { return SendToWindow(combo, CB_GETITEMDATA, listed - 1, 0) == last_item_value || HasEnded(program); });
  if (!filled || HasEnded(program) || SendToWindow(combo, CB_GETCOUNT, 0, 0) != listed ||
      SendToWindow(combo, CB_GETCURSEL, 0, 0) != 0)
    return std::nullopt;
  return filled;
}

std::optional<SIZE_T> PeakWorkingSet(DWORD process_id) {
  OpenedProcess process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process_id));
  if (process.handle == nullptr) return std::nullopt;
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(process.handle, &counters, sizeof counters)) return std::nullopt;
  return counters.PeakWorkingSetSize;
}
