// How many times a child process's output says something: a hook that ran twice shows here.
#pragma once

#include <string>

inline int CountOccurrences(const std::string& text, const std::string& needle) {
  int count = 0;
  for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + needle.size())) ++count;
  return count;
}
