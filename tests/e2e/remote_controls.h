// Reading and driving the controls of another process's window. Texts travel as UTF-16 (Wine
// hands the A forms of these messages back in UTF-16 across processes) and are converted to and
// from GBK here, so tests compare the program's own bytes.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

std::string GbkFromWide(const std::wstring& wide);
std::wstring WideFromGbk(const std::string& gbk);

// SendMessageW with a deadline, so that a hung program fails the test instead of hanging it.
LRESULT SendToWindow(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// WM_GETTEXT: the caption of a window or the content of an edit box, in GBK.
std::string WindowText(HWND window);
std::string ClassNameOf(HWND window);
// The window's outer rectangle in the client coordinates of `parent`.
RECT RectInClientOf(HWND parent, HWND window);

struct ComboItem {
  std::string text;
  LRESULT item_value;
};
bool operator==(const ComboItem& a, const ComboItem& b);
void PrintTo(const ComboItem& item, std::ostream* out);

std::vector<ComboItem> ComboItems(HWND combo);
int ComboSelection(HWND combo);
// Selects the item and notifies the parent with CBN_SELENDOK, as a choice by the user does.
void ChooseComboItem(HWND combo, int position);

void TypeText(HWND edit, const std::string& gbk);
// Posted, because the command behind a button waits in a message box.
void ClickButton(HWND button);

// The control that has the keyboard focus in the thread of `window`; null when none.
HWND FocusedControl(HWND window);
// Makes `window` the foreground window, which takes the keyboard input.
bool BringToForeground(HWND window);
// Brings `window` to the foreground and presses `key` there as real keyboard input, with the
// modifier key `held` (VK_SHIFT, VK_MENU) held down when it is not 0.
void PressKey(HWND window, WORD key, WORD held = 0);
