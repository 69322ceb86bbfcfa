// The five kinds of control: which system class each is made from, and how it is set up.
#include "toolkit/win32/win32_toolkit.h"

namespace {

// A drop-down list is created this high: the height bounds the dropped list, while the
// selection field takes the height that its font gives.
constexpr int kComboBoxCreatedHeight = 160;

struct ControlClass {
  const char* class_name;
  DWORD style;
  DWORD ex_style;
};

ControlClass ClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
      return {kLabelClass, 0, 0};
    case ControlKind::PushButton:
      return {"BUTTON", BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0};
    case ControlKind::EditBox:
      return {"EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::ComboBox:
      return {"COMBOBOX", CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | WS_VSCROLL, 0};
  }
  return {kLabelClass, 0, 0};
}

HFONT CreateComboFont() {
  LOGFONTA font = {};
  font.lfHeight = -16;
  font.lfWeight = FW_BOLD;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = PROOF_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH;
  return CreateFontIndirectA(&font);
}

void SetFont(HWND control, HGDIOBJ font) { SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE); }

void SetUpComboBox(LoadedWindow& owner, HWND combo) {
  if (owner.combo_font.handle == nullptr) owner.combo_font.handle = CreateComboFont();
  SetFont(combo, owner.combo_font.handle);
  // The list's items get one pixel more than the font asks for.
  LRESULT item_height = SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0);
  if (item_height == CB_ERR) return;
  if (SendMessageA(combo, CB_SETITEMHEIGHT, 0, item_height + 1) != CB_ERR) return;
  // Wine's combo box takes a list item height only when it draws its items itself; its list
  // box takes it from us directly.
  COMBOBOXINFO parts = {};
  parts.cbSize = sizeof parts;
  if (GetComboBoxInfo(combo, &parts)) SendMessageA(parts.hwndList, LB_SETITEMHEIGHT, 0, item_height + 1);
}

void SetUpEditBox(HWND edit) {
  SetFont(edit, GetStockObject(DEFAULT_GUI_FONT));
  SendMessageA(edit, EM_LIMITTEXT, 0, 0);  // 0: the largest limit the system allows
}

}  // namespace

HWND CreateControl(LoadedWindow& owner, const ControlDefinition& control) {
  ControlClass control_class = ClassOf(control.kind);
  DWORD style = WS_CHILD | control_class.style | (control.tab_stop ? WS_TABSTOP : 0);
  int height = control.kind == ControlKind::ComboBox ? kComboBoxCreatedHeight : control.height;
  HWND created = CreateWindowExA(control_class.ex_style, control_class.class_name, control.text, style, control.left,
                                 control.top, control.width, height, owner.window,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), GetModuleHandleA(nullptr),
                                 nullptr);
  if (created == nullptr) return nullptr;
  switch (control.kind) {
    case ControlKind::Label:  // paints with the default GUI font itself
      break;
    case ControlKind::PushButton:
      SetFont(created, GetStockObject(DEFAULT_GUI_FONT));
      break;
    case ControlKind::EditBox:
      SetUpEditBox(created);
      break;
    case ControlKind::ComboBox:
      SetUpComboBox(owner, created);
      break;
  }
  return created;
}
