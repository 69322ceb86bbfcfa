// Runs a piece of a test in a forked child, for what ends the process (the fatal stop, the program end).
#pragma once

#include <functional>
#include <string>

#include "tests/reference/count_occurrences.h"

struct ChildOutcome {
  int exit_code;       // as the parent sees it: -1 arrives as 255
  std::string stderr_text;
};

ChildOutcome RunInChild(const std::function<void()>& body);
