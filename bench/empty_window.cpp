#include "bench/empty_window.h"

#include "app/texts.h"

namespace {

const char kEmptyWindowClass[] = "VarenkelBenchEmptyWindow";
// Varenkel's frame: movable and minimizable, neither resizable nor maximizable.
constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr int kWidth = 278;
constexpr int kHeight = 168;

void OnKeyDown(HWND window, WPARAM key) {
  if (key == VK_ESCAPE) PostMessageA(window, WM_CLOSE, 0, 0);
}

LRESULT CALLBACK EmptyWindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_KEYDOWN:
      OnKeyDown(window, wparam);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

void RegisterEmptyWindowClass(HINSTANCE instance) {
  WNDCLASSEXA window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = EmptyWindowProcedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kEmptyWindowClass;
  RegisterClassExA(&window_class);  // a second registration fails harmlessly
}

}  // namespace

HWND CreateEmptyWindow() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterEmptyWindowClass(instance);
  int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  return CreateWindowExA(0, kEmptyWindowClass, kCaption, kWindowStyle, left, top, kWidth, kHeight, nullptr, nullptr,
                         instance, nullptr);
}
