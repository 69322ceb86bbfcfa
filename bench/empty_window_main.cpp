// The start-up and memory baseline: a program that only shows the empty window and runs a message
// loop until the window is closed (close button, Esc or WM_CLOSE).
#include "bench/empty_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  HWND window = CreateEmptyWindow();
  if (window == nullptr) return 1;
  ShowWindow(window, SW_SHOWNORMAL);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
