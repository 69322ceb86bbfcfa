// Timing Varenkel.exe and the empty-window program from outside, as processes of their own in the
// driver's Wine prefix, with the end-to-end tests' helpers.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "tests/e2e/program_process.h"

// Starts `exe` and gives the seconds from CreateProcess until its window captioned "Varenkel" is
// visible and answers messages and, for Varenkel.exe (`listed` >= 0), its combo box holds `listed`
// items. Nothing when that did not happen.
std::optional<double> TimeStartUp(const std::string& exe, int listed, RunningProgram& program);

// Closes the window, as Esc or the close button does, and waits until the process has ended.
bool CloseProgram(RunningProgram& program);

// Renames the first listed connection to its own name, as a user would (choose it, click 修改), and
// gives the seconds from the dismissal of the message box until the list is filled again by the
// refresh that ends the command. `refreshes_before` counts the refreshes the program has run so
// far, its first one included. Nothing when the rename or the refresh did not go as expected.
std::optional<double> TimeRefreshAfterRename(const RunningProgram& program, int listed, int refreshes_before);

// The process's peak working set in bytes, read from another process.
std::optional<SIZE_T> PeakWorkingSet(DWORD process_id);
