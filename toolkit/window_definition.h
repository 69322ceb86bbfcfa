// A window as data: what LoadWindow creates. The toolkit decides how each kind of control is made
// on its platform; the definition says where it goes, what it shows and which events it raises.
#pragma once

using ControlId = int;

enum class ControlKind { Label, PushButton, EditBox, ComboBox };

struct ControlDefinition {
  ControlId id;
  ControlKind kind;
  int left, top, width, height;  // client coordinates of the window
  const char* text;
  bool tab_stop;
  void (*on_event)();  // clicked (button) or list item selected (combo box); null when unhandled
};

struct WindowDefinition {
  const char* caption;
  int width, height;  // outer size, frame included; the window is centred on the screen
  const ControlDefinition* controls;  // in z-order, top first
  int control_count;
  const ControlId* tab_cycle;  // the order Tab visits the controls that take the focus
  int tab_cycle_length;
  void (*on_created)();
};
