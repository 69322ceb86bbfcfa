// The message boxes that Varenkel's commands show: found as the process's #32770 window, read from
// outside, and dismissed with their OK button.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

enum class MessageIcon { Error, Information, Unrecognised };
const char* NameOf(MessageIcon icon);

struct ShownMessage {
  HWND box;
  std::string title;  // GBK
  std::string text;   // GBK
  HWND owner;
  MessageIcon icon;
};

// Waits for a visible message box of the process and reads it.
std::optional<ShownMessage> WaitForMessageBox(DWORD process_id);
// Clicks OK and waits until the box has gone from the screen.
bool DismissMessageBox(HWND box);
