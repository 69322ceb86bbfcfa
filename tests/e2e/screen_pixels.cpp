#include "tests/e2e/screen_pixels.h"

#include <algorithm>

namespace {

// A 32-bit top-down bitmap that a DC can draw into, its pixels readable afterwards.
struct Canvas {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
  const DWORD* bits = nullptr;
  int width, height;

  Canvas(int canvas_width, int canvas_height) : width(canvas_width), height(canvas_height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* memory = nullptr;
    dc = CreateCompatibleDC(nullptr);
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    bits = static_cast<const DWORD*>(memory);
    previous = SelectObject(dc, bitmap);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  ~Canvas() {
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }

  Pixels Read() const {
    GdiFlush();
    Pixels pixels{width, height, {}};
    for (int i = 0; i < width * height; ++i)  // DIB pixels are 0x00RRGGBB
      pixels.colours.push_back(RGB((bits[i] >> 16) & 0xFF, (bits[i] >> 8) & 0xFF, bits[i] & 0xFF));
    return pixels;
  }
};

}  // namespace

Pixels CaptureScreen(const RECT& area) {
  Canvas canvas(area.right - area.left, area.bottom - area.top);
  HDC screen = GetDC(nullptr);
  BitBlt(canvas.dc, 0, 0, canvas.width, canvas.height, screen, area.left, area.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  return canvas.Read();
}

Pixels DrawIcon(HICON icon, int width, int height, COLORREF background) {
  Canvas canvas(width, height);
  HBRUSH brush = CreateSolidBrush(background);
  RECT all = {0, 0, width, height};
  FillRect(canvas.dc, &all, brush);
  DeleteObject(brush);
  DrawIconEx(canvas.dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
  return canvas.Read();
}

int CountColour(const Pixels& pixels, COLORREF colour) {
  return static_cast<int>(std::count(pixels.colours.begin(), pixels.colours.end(), colour));
}

int CountDifferences(const Pixels& a, const Pixels& b) {
  int differences = 0;
  for (size_t i = 0; i < a.colours.size() && i < b.colours.size(); ++i) differences += a.colours[i] != b.colours[i];
  return differences;
}
