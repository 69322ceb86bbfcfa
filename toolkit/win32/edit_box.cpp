// The edit box's operations.
#include <string>

#include "toolkit/toolkit.h"
#include "toolkit/win32/win32_toolkit.h"

std::string EditText(ControlId edit) { return OwnWindowText(ControlWindow(edit)); }

void SetEditText(ControlId edit, const std::string& text) { SetWindowTextA(ControlWindow(edit), text.c_str()); }
