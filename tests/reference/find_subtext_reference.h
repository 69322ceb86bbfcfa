// FindSubtext written another way, for the tests to compare against: walk the character starts
// of the text once, and take the first of them where the term stands.
#pragma once

#include <string>

inline int FindAtCharacterStart(const std::string& text, const std::string& term) {
  for (size_t start = 0; start < text.size(); start += static_cast<unsigned char>(text[start]) >= 0x80 ? 2 : 1)
    if (start + term.size() <= text.size() && text.compare(start, term.size(), term) == 0)
      return static_cast<int>(start) + 1;
  return -1;
}
