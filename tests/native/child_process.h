// Runs a piece of a test in a forked child, for what ends the process (the fatal stop, the program end).
#pragma once

#include <functional>
#include <string>

struct ChildOutcome {
  int exit_code;       // as the parent sees it: -1 arrives as 255
  std::string stderr_text;
};

ChildOutcome RunInChild(const std::function<void()>& body);

// How many times `needle` occurs in `text`.
int CountOccurrences(const std::string& text, const std::string& needle);
