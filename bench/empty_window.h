// The baseline window: Varenkel's main window without its controls, with the same outer size,
// styles, class style and background, centred the same way. The empty-window program shows it;
// the driver holds one while it times the raw loop that processes window messages.
#pragma once

#include <windows.h>

// Registers the class (once per process) and creates the window hidden; null on failure.
HWND CreateEmptyWindow();
