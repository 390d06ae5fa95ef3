#pragma once
// A window's painted background, kept in a bitmap so that it shows again after being covered.
#include <windows.h>

#include "paint_gradient.h"

namespace Vantor_P {

class PaintedSurface {
 public:
  PaintedSurface() = default;
  ~PaintedSurface() { Release(); }
  PaintedSurface(const PaintedSurface&) = delete;
  PaintedSurface& operator=(const PaintedSurface&) = delete;

  // PaintGradient over the window's client size, one line per pixel row.
  void Paint(HWND window, GradientSurface surface);
  // Copies the painted background onto a device context at its origin.
  void Show(HDC dc) const;

 private:
  void Release();

  HDC image_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previousBitmap_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace Vantor_P
