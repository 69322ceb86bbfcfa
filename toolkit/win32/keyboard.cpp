// The keys that a loaded window handles itself, before any control sees them, and its focus.
// Done here rather than by the dialog manager: its Enter would click a button and its Tab would
// follow the stacking, which runs opposite to the window's Tab cycle.
#include "toolkit/win32/win32_toolkit.h"

namespace {

bool TakesFocus(HWND control) { return control != nullptr && IsWindowVisible(control) && IsWindowEnabled(control); }

ControlKind KindOf(const LoadedWindow& loaded, HWND control) {
  const ControlDefinition* definition = FindControlDefinition(*loaded.definition, GetDlgCtrlID(control));
  return definition != nullptr ? definition->kind : ControlKind::Label;
}

void FocusControl(const LoadedWindow& loaded, HWND control) {
  SetFocus(control);
  // As in dialogs: an edit box reached this way has its text selected, ready to be typed over.
  if (KindOf(loaded, control) == ControlKind::EditBox) SendMessageA(control, EM_SETSEL, 0, -1);
}

// Position of `control` in the Tab cycle, -1 when it is not there.
int CyclePosition(const LoadedWindow& loaded, HWND control) {
  if (control == nullptr || !IsChild(loaded.window, control)) return -1;
  ControlId id = GetDlgCtrlID(control);
  const WindowDefinition& definition = *loaded.definition;
  for (int i = 0; i < definition.tab_cycle_length; ++i)
    if (definition.tab_cycle[i] == id) return i;
  return -1;
}

// Focuses the next control that can take the focus, going round the cycle from `position` by
// `step` (1 forwards, -1 backwards).
void FocusAlongCycle(const LoadedWindow& loaded, int position, int step) {
  const WindowDefinition& definition = *loaded.definition;
  int length = definition.tab_cycle_length;
  if (length <= 0) return;
  for (int i = 1; i <= length; ++i) {
    int next = ((position + step * i) % length + length) % length;
    HWND control = GetDlgItem(loaded.window, definition.tab_cycle[next]);
    if (TakesFocus(control)) {
      FocusControl(loaded, control);
      return;
    }
  }
}

void MoveFocus(const LoadedWindow& loaded, int step) {
  int current = CyclePosition(loaded, GetFocus());
  // From outside the cycle, forwards starts at its first control and backwards at its last.
  if (current < 0) current = step > 0 ? -1 : 0;
  FocusAlongCycle(loaded, current, step);
}

// Enter does nothing in this window, but an open drop-down list takes it as the user's choice.
bool KeepsEnter(const LoadedWindow& loaded, HWND control) {
  return KindOf(loaded, control) == ControlKind::ComboBox && SendMessageA(control, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

}  // namespace

bool HandleWindowKey(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  LoadedWindow* loaded = LoadedWindowOf(message.hwnd);
  if (loaded == nullptr) return false;
  if (message.message == WM_SYSKEYDOWN) {
    // Alt+F4 closes the window from any control. Wine's combo box swallows every system key, so
    // it would never reach the window when the list has the focus.
    if (message.wParam != VK_F4) return false;
    SendMessageA(loaded->window, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
  }
  switch (message.wParam) {
    case VK_TAB:
      MoveFocus(*loaded, GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
      return true;
    case VK_ESCAPE:
      SendMessageA(loaded->window, WM_CLOSE, 0, 0);
      return true;
    case VK_RETURN:
      return !KeepsEnter(*loaded, message.hwnd);
    default:
      return false;
  }
}

void RememberFocus(LoadedWindow& loaded) {
  HWND focus = GetFocus();
  loaded.focus_when_deactivated = IsChild(loaded.window, focus) ? focus : nullptr;
}

void RestoreFocus(LoadedWindow& loaded) {
  HWND remembered = loaded.focus_when_deactivated;
  if (remembered != nullptr && IsChild(loaded.window, remembered) && TakesFocus(remembered))
    SetFocus(remembered);
  else
    FocusAlongCycle(loaded, -1, 1);
}
