#pragma once
// A window's painted background, kept in a bitmap so that it shows again after being covered.
#include <windows.h>

#include "memory_image_win32.h"
#include "paint_gradient.h"

namespace Vantor_P {

class PaintedSurface {
  public:
    // PaintGradient over the window's client size, one line per pixel row.
    void Paint(HWND window, GradientSurface surface);
    void Show(HDC dc) const { image_.Show(dc); }

  private:
    Vantor::MemoryImage image_;
};

}  // namespace Vantor_P
