// MainWindow: the program's only window, as data for the toolkit.
#pragma once

#include "toolkit/window_definition.h"

// The controls, named as in the window definition.
enum MainWindowControl : ControlId {
  标签1 = 1001,  // the green hint
  按钮_修改,     // modify
  编辑框,        // the new name
  按钮_删除,     // delete
  组合框,        // the listed connections
};

extern const WindowDefinition MainWindow;
