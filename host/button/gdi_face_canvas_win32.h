#pragma once
// The button's persistent image: a bitmap the face is drawn into with the platform's gradient fill and
// stretched copies of the skin pictures; the window shows it on every paint.
#include <windows.h>

#include "face_canvas.h"
#include "memory_image_win32.h"

namespace Vantor {

class GdiFaceCanvas : public FaceCanvas {
  public:
    // The window handle is read when drawing, so the canvas can exist before its window.
    explicit GdiFaceCanvas(const HWND& window) : window_(window) {}
    // A new, cleared image of the window's client size.
    void Resize(int32_t width, int32_t height);
    const MemoryImage& Image() const { return image_; }

    int32_t Width() const override { return image_.Width(); }
    int32_t Height() const override { return image_.Height(); }
    void Clear() override;
    void FillVerticalGradient(const GradientVertex& a, const GradientVertex& b) override;
    void PaintPicture(Skin skin, const PixelRect& source, const PixelRect& destination) override;
    void Refresh() override;

  private:
    const HWND& window_;
    MemoryImage image_;
};

}  // namespace Vantor
