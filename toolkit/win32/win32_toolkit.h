// What the files of the Win32 toolkit share: the record of each loaded window and the routines
// that one concern needs from another.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/window_definition.h"

// A font made for one window's controls; deleted with the window, after its controls are gone.
struct OwnedFont {
  HFONT handle = nullptr;

  OwnedFont() = default;
  OwnedFont(const OwnedFont&) = delete;
  OwnedFont& operator=(const OwnedFont&) = delete;
  ~OwnedFont() {
    if (handle != nullptr) DeleteObject(handle);
  }
};

struct LoadedWindow {
  HWND window = nullptr;
  const WindowDefinition* definition = nullptr;
  OwnedFont combo_font;
  HWND focus_when_deactivated = nullptr;  // given back when the window is active again
  // The controls in definition order, as created. Kept because GetDlgItem asks Wine's server every
  // time, and a refresh looks the combo box up once per listed connection.
  std::vector<HWND> controls;
};

// window.cpp
bool AnyWindowLoaded();
// The loaded window that is `window` or holds it as a control; null for any other window.
LoadedWindow* LoadedWindowOf(HWND window);
// The control `id` of the most recently loaded window that still exists; null when there is none.
HWND ControlWindow(ControlId id);
const ControlDefinition* FindControlDefinition(const WindowDefinition& window, ControlId id);

// window_text.cpp
// The whole text of one of the program's own windows or controls, in the system's ANSI code page.
std::string OwnWindowText(HWND window);

// controls.cpp
// Creates the control hidden, as a child of `owner`; null when the system refused it.
HWND CreateControl(LoadedWindow& owner, const ControlDefinition& control);

// label.cpp
extern const char kLabelClass[];
void RegisterLabelClass(HINSTANCE instance);

// keyboard.cpp
// Tab, Shift+Tab, Esc, Enter and Alt+F4 for a loaded window; true when the key has been used up.
bool HandleWindowKey(const MSG& message);
void RememberFocus(LoadedWindow& window);
// Gives the focus back to the control that had it, or to the first control of the Tab cycle.
void RestoreFocus(LoadedWindow& window);
