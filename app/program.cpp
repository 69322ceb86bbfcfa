#include "app/program.h"

#include "app/main_window.h"
#include "connections/connection_list.h"
#include "toolkit/toolkit.h"

int StartProgram() {
  InitialiseToolkit();
  CreateConnectionKeyList();
  RegisterExitHook(ReleaseConnectionKeyList);
  LoadWindow(MainWindow);  // without a window the loop below returns at once
  RunMessageLoop();
  return 0;
}

void OnWindowCreated() { RefreshConnectionList(); }

void OnConnectionSelected() { SetEditText(编辑框, ComboItemText(组合框, ComboCurrentSelection(组合框))); }
