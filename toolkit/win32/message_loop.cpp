// The message loop, and the same dispatch for the events processed while a handler works.
#include "toolkit/toolkit.h"
#include "toolkit/win32/win32_toolkit.h"

namespace {

void Dispatch(const MSG& message) {
  if (HandleWindowKey(message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

}  // namespace

void RunMessageLoop() {
  if (!AnyWindowLoaded()) return;
  MSG message;
  // Ends on WM_QUIT, which the last loaded window posts when it is destroyed (or on an error, -1).
  while (GetMessageA(&message, nullptr, 0, 0) > 0) Dispatch(message);
}

void ProcessPendingEvents() {
  MSG message;
  // Look before taking, so that a waiting WM_QUIT stays for the message loop.
  while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return;
    if (message.message == WM_QUIT) {  // posted by what the look itself dispatched
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    Dispatch(message);
  }
}
