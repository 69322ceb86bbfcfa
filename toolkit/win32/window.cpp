// Loading a window from its definition, and the window procedure of loaded windows.
#include <memory>
#include <vector>

#include "toolkit/toolkit.h"
#include "toolkit/win32/win32_toolkit.h"

namespace {

const char kWindowClass[] = "VarenkelWindow";
// A fixed frame: it can be moved and minimized, but neither resized nor maximized.
constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
// Posted on the combo box's CBN_SELENDOK, so that the handler runs once the box is done with the choice.
constexpr UINT kItemChosenMessage = WM_APP + 1;

// Every window that LoadWindow made and that still exists, oldest first.
std::vector<std::unique_ptr<LoadedWindow>> loaded_windows;

LoadedWindow* FindLoadedWindow(HWND window) {
  for (auto& loaded : loaded_windows)
    if (loaded->window == window) return loaded.get();
  return nullptr;
}

void ForgetLoadedWindow(HWND window) {
  for (auto it = loaded_windows.begin(); it != loaded_windows.end(); ++it) {
    if ((*it)->window == window) {
      loaded_windows.erase(it);
      return;
    }
  }
}

// --- Handlers of the window procedure ---

bool OnCommand(LoadedWindow& loaded, WPARAM wparam, LPARAM lparam) {
  if (lparam == 0) return false;  // from a menu or an accelerator, not from a control
  const ControlDefinition* control = FindControlDefinition(*loaded.definition, LOWORD(wparam));
  if (control == nullptr || control->on_event == nullptr) return false;
  WORD notification = HIWORD(wparam);
  if (control->kind == ControlKind::PushButton && notification == BN_CLICKED) {
    control->on_event();
    return true;
  }
  if (control->kind == ControlKind::ComboBox && notification == CBN_SELENDOK) {
    PostMessageA(loaded.window, kItemChosenMessage, static_cast<WPARAM>(control->id), 0);
    return true;
  }
  return false;
}

void OnItemChosen(const LoadedWindow& loaded, WPARAM control_id) {
  const ControlDefinition* control = FindControlDefinition(*loaded.definition, static_cast<ControlId>(control_id));
  if (control != nullptr && control->on_event != nullptr) control->on_event();
}

void OnActivate(LoadedWindow& loaded, WPARAM wparam) {
  if (LOWORD(wparam) == WA_INACTIVE)
    RememberFocus(loaded);
  else if (HIWORD(wparam) == 0)  // not while minimized
    RestoreFocus(loaded);
}

void OnDestroy(const LoadedWindow& loaded) {
  bool last = loaded_windows.size() == 1 && loaded_windows.front().get() == &loaded;
  if (last) PostQuitMessage(0);
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  LoadedWindow* loaded = FindLoadedWindow(window);
  if (loaded != nullptr) {
    switch (message) {
      case WM_COMMAND:
        if (OnCommand(*loaded, wparam, lparam)) return 0;
        break;
      case kItemChosenMessage:
        OnItemChosen(*loaded, wparam);
        return 0;
      case WM_ACTIVATE:
        OnActivate(*loaded, wparam);
        return 0;
      case WM_DESTROY:
        OnDestroy(*loaded);
        return 0;
      case WM_NCDESTROY:  // the controls are gone: the window's record and its font can go too
        ForgetLoadedWindow(window);
        break;
    }
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

// --- Loading ---

void RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSEXA window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = WindowProcedure;
  window_class.hInstance = instance;
  window_class.hIcon = static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                     GetSystemMetrics(SM_CYICON), LR_SHARED));
  window_class.hIconSm = static_cast<HICON>(LoadImageA(
      instance, "DEFAULT_ICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kWindowClass;
  RegisterClassExA(&window_class);
}

// The definition's first control ends up on top, its last at the bottom.
void StackInDefinitionOrder(const std::vector<HWND>& controls) {
  HWND above = HWND_TOP;
  for (HWND control : controls) {
    SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = control;
  }
}

}  // namespace

bool AnyWindowLoaded() { return !loaded_windows.empty(); }

LoadedWindow* LoadedWindowOf(HWND window) {
  for (auto& loaded : loaded_windows)
    if (loaded->window == window || IsChild(loaded->window, window)) return loaded.get();
  return nullptr;
}

HWND ControlWindow(ControlId id) {
  if (loaded_windows.empty()) return nullptr;
  const LoadedWindow& loaded = *loaded_windows.back();
  for (size_t i = 0; i < loaded.controls.size(); ++i)
    if (loaded.definition->controls[i].id == id) return loaded.controls[i];
  return nullptr;
}

const ControlDefinition* FindControlDefinition(const WindowDefinition& window, ControlId id) {
  for (int i = 0; i < window.control_count; ++i)
    if (window.controls[i].id == id) return &window.controls[i];
  return nullptr;
}

void InitialiseToolkit() {
  // A second registration fails harmlessly; LoadWindow fails if a class is missing.
  HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterWindowClass(instance);
  RegisterLabelClass(instance);
}

bool LoadWindow(const WindowDefinition& definition) {
  // Centred on the full screen, not the work area.
  int left = (GetSystemMetrics(SM_CXSCREEN) - definition.width) / 2;
  int top = (GetSystemMetrics(SM_CYSCREEN) - definition.height) / 2;
  HWND window = CreateWindowExA(0, kWindowClass, definition.caption, kWindowStyle, left, top, definition.width,
                                definition.height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (window == nullptr) return false;
  loaded_windows.push_back(std::make_unique<LoadedWindow>());
  LoadedWindow& loaded = *loaded_windows.back();
  loaded.window = window;
  loaded.definition = &definition;

  for (int i = 0; i < definition.control_count; ++i) {
    HWND control = CreateControl(loaded, definition.controls[i]);
    if (control == nullptr) {
      DestroyWindow(window);
      return false;
    }
    loaded.controls.push_back(control);
  }
  StackInDefinitionOrder(loaded.controls);
  for (HWND control : loaded.controls) ShowWindow(control, SW_SHOW);

  // The created event runs while the window is still hidden, so it is first shown filled in.
  if (definition.on_created != nullptr) definition.on_created();
  // The event lets pending events run, and Esc among them closes the window: its record is gone.
  if (FindLoadedWindow(window) == nullptr) return true;
  ShowWindow(window, SW_SHOWNORMAL);
  RestoreFocus(loaded);
  return true;
}
