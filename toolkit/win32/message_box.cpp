// Message boxes: OK only, no owner, modal to the whole program.
#include <windows.h>

#include "toolkit/toolkit.h"

void ShowMessage(const std::string& text, unsigned icon_flags, const std::string& title) {
  // Only the icon and modality bits are the caller's to choose: the box always has one OK button.
  UINT flags = (icon_flags & ~static_cast<UINT>(MB_TYPEMASK)) | MB_OK;
  // Without an owner, task-modal is what keeps the program's windows from taking input meanwhile.
  if ((flags & MB_SYSTEMMODAL) == 0) flags |= MB_TASKMODAL;
  MessageBoxA(nullptr, text.c_str(), title.c_str(), flags);
}
