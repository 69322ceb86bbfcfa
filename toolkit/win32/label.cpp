// The label: a window of our own that paints its text in green over the button face colour.
#include "toolkit/win32/win32_toolkit.h"

#include <string>

const char kLabelClass[] = "VarenkelLabel";

namespace {

constexpr COLORREF kLabelTextColour = RGB(0, 128, 0);

void PaintLabel(HWND label) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(label, &paint);
  RECT area;
  GetClientRect(label, &area);
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kLabelTextColour);
  HGDIOBJ previous_font = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  std::string text = OwnWindowText(label);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area,
            DT_LEFT | DT_WORDBREAK | DT_NOCLIP | DT_VCENTER);
  SelectObject(dc, previous_font);
  EndPaint(label, &paint);
}

// The text is drawn only when painting, so a new text needs a new paint.
LRESULT ReplaceLabelText(HWND label, WPARAM wparam, LPARAM lparam) {
  LRESULT result = DefWindowProcA(label, WM_SETTEXT, wparam, lparam);
  InvalidateRect(label, nullptr, FALSE);
  return result;
}

LRESULT CALLBACK LabelProcedure(HWND label, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // painting fills the whole area; erasing first would only flicker
    case WM_PAINT:
      PaintLabel(label);
      return 0;
    case WM_SETTEXT:
      return ReplaceLabelText(label, wparam, lparam);
    default:
      return DefWindowProcA(label, message, wparam, lparam);
  }
}

}  // namespace

void RegisterLabelClass(HINSTANCE instance) {
  WNDCLASSEXA label_class = {};
  label_class.cbSize = sizeof label_class;
  label_class.style = CS_HREDRAW | CS_VREDRAW;
  label_class.lpfnWndProc = LabelProcedure;
  label_class.hInstance = instance;
  label_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  label_class.lpszClassName = kLabelClass;
  RegisterClassExA(&label_class);
}
