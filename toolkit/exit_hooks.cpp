// Exit hooks, the program end and the fatal stop: the same on every platform but for how the
// message is shown and how the process ends.
#include <algorithm>
#include <vector>

#include "app/texts.h"
#include "toolkit/process_exit.h"
#include "toolkit/toolkit.h"

namespace {

std::vector<void (*)()>& ExitHooks() {
  static std::vector<void (*)()> hooks;
  return hooks;
}

bool exit_hooks_ran = false;

void RunExitHooks() {
  if (exit_hooks_ran) return;
  exit_hooks_ran = true;
  for (void (*hook)() : ExitHooks()) hook();
}

}  // namespace

void RegisterExitHook(void (*hook)()) {
  auto& hooks = ExitHooks();
  if (std::find(hooks.begin(), hooks.end(), hook) == hooks.end()) hooks.push_back(hook);
}

void ForgetExitHooks() {
  ExitHooks().clear();
  exit_hooks_ran = false;
}

void EndProgram(int exit_code) {
  RunExitHooks();
  EndProcess(exit_code);
}

void FatalStop(const std::string& message) {
  ShowMessage(message, kIconError, kFatalTitle);
  EndProgram(-1);
}
