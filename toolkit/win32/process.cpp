// How the process ends on Windows.
#include <windows.h>

#include "toolkit/process_exit.h"

void EndProcess(int exit_code) { ExitProcess(static_cast<UINT>(exit_code)); }
