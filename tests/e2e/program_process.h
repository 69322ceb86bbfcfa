// Varenkel.exe as a process of its own, started by a test and ended with it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

struct RunningProgram;
// Ends the process if it still runs and lets go of it.
void StopProgram(RunningProgram& program);

struct RunningProgram {
  PROCESS_INFORMATION process = {};
  HWND window = nullptr;  // its main window, once shown

  RunningProgram() = default;
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;
  ~RunningProgram() { StopProgram(*this); }
};

// Starts the exe that the environment variable VARENKEL_EXE names and waits until its visible
// top-level window captioned "Varenkel" is there.
::testing::AssertionResult StartVarenkel(RunningProgram& program);
// Only starts it: its window may not exist yet.
::testing::AssertionResult LaunchVarenkel(RunningProgram& program);

// The process's top-level window captioned "Varenkel", also while it is still hidden; null while
// there is none. Asks nothing of the program's thread, so it answers while that thread is busy.
HWND MainWindowOf(DWORD process_id);

// The process's exit code once it has ended; nothing when it is still running at the deadline.
std::optional<DWORD> WaitForExit(const RunningProgram& program);

// The visible top-level windows of a process, of one window class or (null) of any.
std::vector<HWND> VisibleTopLevelWindows(DWORD process_id, const char* class_name);
