// The program's entry on Windows.
#include <windows.h>

#include "app/program.h"
#include "toolkit/toolkit.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { EndProgram(StartProgram()); }
