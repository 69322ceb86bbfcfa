#include "tests/e2e/message_box.h"

#include <vector>

#include "tests/e2e/poll.h"
#include "tests/e2e/program_process.h"
#include "tests/e2e/remote_controls.h"
#include "tests/e2e/screen_pixels.h"

namespace {

std::vector<HWND> StaticChildren(HWND box) {
  std::vector<HWND> statics;
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
    if (lstrcmpiA(ClassNameOf(child).c_str(), "Static") == 0) statics.push_back(child);
  return statics;
}

bool ShowsIcon(HWND control) { return (GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON; }

std::string MessageText(HWND box) {
  for (HWND control : StaticChildren(box))
    if (!ShowsIcon(control)) return WindowText(control);
  return "";
}

// Icon handles mean nothing across processes, so the icon is told by its pixels: the box's icon
// control read from the screen, against the system's error and information icons drawn here over
// the same background. Nothing drawn yet, or neither icon close enough, is Unrecognised.
MessageIcon IconShown(HWND box) {
  HWND icon_control = nullptr;
  for (HWND control : StaticChildren(box))
    if (ShowsIcon(control)) icon_control = control;
  if (icon_control == nullptr) return MessageIcon::Unrecognised;
  RECT area;
  GetWindowRect(icon_control, &area);
  Pixels shown = CaptureScreen(area);
  if (shown.colours.empty()) return MessageIcon::Unrecognised;
  COLORREF background = shown.colours.front();  // icon corners are transparent
  int error = CountDifferences(shown, DrawIcon(LoadIcon(nullptr, IDI_ERROR), shown.width, shown.height, background));
  int information =
      CountDifferences(shown, DrawIcon(LoadIcon(nullptr, IDI_INFORMATION), shown.width, shown.height, background));
  int close_enough = static_cast<int>(shown.colours.size()) / 10;
  if (error < information && error <= close_enough) return MessageIcon::Error;
  if (information < error && information <= close_enough) return MessageIcon::Information;
  return MessageIcon::Unrecognised;
}

}  // namespace

const char* NameOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Error:
      return "error";
    case MessageIcon::Information:
      return "information";
    case MessageIcon::Unrecognised:
      break;
  }
  return "unrecognised";
}

std::optional<ShownMessage> WaitForMessageBox(DWORD process_id) {
  HWND box = nullptr;
  if (!PollUntil([&] {
        std::vector<HWND> boxes = VisibleTopLevelWindows(process_id, "#32770");
        box = boxes.empty() ? nullptr : boxes.front();
        return box != nullptr;
      }))
    return std::nullopt;
  MessageIcon icon = MessageIcon::Unrecognised;
  PollUntil([&] { return (icon = IconShown(box)) != MessageIcon::Unrecognised; });  // until it is painted
  return ShownMessage{box, WindowText(box), MessageText(box), GetWindow(box, GW_OWNER), icon};
}

bool DismissMessageBox(HWND box) {
  ClickButton(GetDlgItem(box, IDOK));
  return PollUntil([&] { return !IsWindowVisible(box); });
}
