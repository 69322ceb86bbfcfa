#include "tests/e2e/remote_controls.h"

#include "tests/e2e/poll.h"

namespace {

constexpr UINT kGbk = 936;
constexpr UINT kSendTimeoutMs = 5000;

void AddKey(std::vector<INPUT>& inputs, WORD key, bool release) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
  inputs.push_back(input);
}

}  // namespace

std::string GbkFromWide(const std::wstring& wide) {
  if (wide.empty()) return "";
  int size = WideCharToMultiByte(kGbk, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string gbk(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(kGbk, 0, wide.data(), static_cast<int>(wide.size()), gbk.data(), size, nullptr, nullptr);
  return gbk;
}

std::wstring WideFromGbk(const std::string& gbk) {
  if (gbk.empty()) return L"";
  int size = MultiByteToWideChar(kGbk, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(kGbk, 0, gbk.data(), static_cast<int>(gbk.size()), wide.data(), size);
  return wide;
}

LRESULT SendToWindow(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wparam, lparam, SMTO_NORMAL, kSendTimeoutMs, &result)) return -1;
  return static_cast<LRESULT>(result);
}

std::string WindowText(HWND window) {
  LRESULT length = SendToWindow(window, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return "";
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  LRESULT copied = SendToWindow(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return GbkFromWide(text);
}

std::string ClassNameOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

RECT RectInClientOf(HWND parent, HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool operator==(const ComboItem& a, const ComboItem& b) { return a.text == b.text && a.item_value == b.item_value; }

void PrintTo(const ComboItem& item, std::ostream* out) {
  *out << '"' << item.text << "\" (GBK) with item value " << item.item_value;
}

std::vector<ComboItem> ComboItems(HWND combo) {
  std::vector<ComboItem> items;
  LRESULT count = SendToWindow(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    LRESULT length = SendToWindow(combo, CB_GETLBTEXTLEN, i, 0);
    std::wstring text(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
    LRESULT copied = SendToWindow(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    items.push_back({GbkFromWide(text), SendToWindow(combo, CB_GETITEMDATA, i, 0)});
  }
  return items;
}

int ComboSelection(HWND combo) { return static_cast<int>(SendToWindow(combo, CB_GETCURSEL, 0, 0)); }

void ChooseComboItem(HWND combo, int position) {
  SendToWindow(combo, CB_SETCURSEL, position, 0);
  SendToWindow(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELENDOK),
               reinterpret_cast<LPARAM>(combo));
}

void TypeText(HWND edit, const std::string& gbk) {
  std::wstring text = WideFromGbk(gbk);
  SendToWindow(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ClickButton(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

HWND FocusedControl(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

bool BringToForeground(HWND window) {
  SetForegroundWindow(window);
  return PollUntil([&] { return GetForegroundWindow() == window; });
}

void PressKey(HWND window, WORD key, WORD held) {
  BringToForeground(window);
  std::vector<INPUT> inputs;
  if (held != 0) AddKey(inputs, held, false);
  AddKey(inputs, key, false);
  AddKey(inputs, key, true);
  if (held != 0) AddKey(inputs, held, true);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}
