#include "connections/connection_list.h"

int FindSubtext(const std::string& text, const std::string& term) {
  size_t remaining = text.size();
  size_t pos = 0;
  while (remaining >= term.size()) {
    if (text.compare(pos, term.size(), term) == 0) return static_cast<int>(pos) + 1;
    if (static_cast<unsigned char>(text[pos]) >= 0x80) {
      if (pos + 1 == text.size()) return -1;  // a lead byte with nothing after it
      pos += 2;
      remaining -= 2;
    } else {
      pos += 1;
      remaining -= 1;
    }
  }
  return -1;
}
