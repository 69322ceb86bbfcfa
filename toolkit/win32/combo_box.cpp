// The drop-down list's operations, with their behaviour at the edges.
#include <string>

#include "toolkit/toolkit.h"
#include "toolkit/win32/win32_toolkit.h"

namespace {

int ItemCount(HWND combo) {
  LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  return count == CB_ERR ? 0 : static_cast<int>(count);
}

bool IsItem(HWND combo, int position) { return position >= 0 && position < ItemCount(combo); }

}  // namespace

void ComboRemoveAllItems(ControlId combo) { SendMessageA(ControlWindow(combo), CB_RESETCONTENT, 0, 0); }

int ComboAddItem(ControlId combo, const std::string& text, int32_t item_value) {
  HWND box = ControlWindow(combo);
  if (box == nullptr) return -1;  // the window has been closed meanwhile
  LRESULT position = SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (position < 0) return -1;  // CB_ERR or CB_ERRSPACE
  if (SendMessageA(box, CB_SETITEMDATA, static_cast<WPARAM>(position), static_cast<LPARAM>(item_value)) == CB_ERR) {
    // An item without its value would mislead the commands: take the text back out.
    SendMessageA(box, CB_DELETESTRING, static_cast<WPARAM>(position), 0);
    return -1;
  }
  return static_cast<int>(position);
}

int ComboCurrentSelection(ControlId combo) {
  LRESULT selection = SendMessageA(ControlWindow(combo), CB_GETCURSEL, 0, 0);
  return selection < 0 ? -1 : static_cast<int>(selection);
}

void ComboSetCurrentSelection(ControlId combo, int position) {
  HWND box = ControlWindow(combo);
  int last = ItemCount(box) - 1;
  if (position > last) position = last;
  if (position < -1) position = -1;
  // CB_SETCURSEL sends no notification, so no list item selected event follows.
  SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

std::string ComboItemText(ControlId combo, int position) {
  HWND box = ControlWindow(combo);
  if (!IsItem(box, position)) return "";
  LRESULT length = SendMessageA(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(position), 0);
  if (length < 0) return "";
  std::string text(static_cast<size_t>(length) + 1, '\0');
  LRESULT copied = SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
  return text;
}

int32_t ComboItemValue(ControlId combo, int position) {
  HWND box = ControlWindow(combo);
  if (!IsItem(box, position)) return -1;
  return static_cast<int32_t>(SendMessageA(box, CB_GETITEMDATA, static_cast<WPARAM>(position), 0));
}
