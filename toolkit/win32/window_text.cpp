// Reading a window's text whole.
#include "toolkit/win32/win32_toolkit.h"

std::string OwnWindowText(HWND window) {
  // The length may be an upper bound for double-byte texts; the copy says how much there is.
  std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}
