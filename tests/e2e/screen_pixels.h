// What is on the screen, pixel by pixel: the program draws in another process, so the tests read
// its windows back from the screen.
#pragma once

#include <windows.h>

#include <vector>

struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> colours;  // row by row, top row first
};

// The screen's pixels inside `area` (screen coordinates).
Pixels CaptureScreen(const RECT& area);
// `icon` drawn at its own size over `background`, in a picture of width x height.
Pixels DrawIcon(HICON icon, int width, int height, COLORREF background);

int CountColour(const Pixels& pixels, COLORREF colour);
// How many pixels differ between two pictures of the same size.
int CountDifferences(const Pixels& a, const Pixels& b);
