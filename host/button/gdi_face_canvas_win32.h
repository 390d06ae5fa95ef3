#pragma once
// The button's persistent image: a bitmap the face is drawn into with the platform's gradient fill and
// stretched copies of the skin pictures; the window shows it on every paint.
#include <windows.h>

#include "face_canvas.h"
#include "memory_image_win32.h"

namespace Vantor {

class GdiFaceCanvas : public FaceCanvas {
  public:
    // A new, cleared image of the window's client size; the window is the one Refresh shows it in.
    void Resize(HWND window, int32_t width, int32_t height);
    const MemoryImage& Image() const { return image_; }

    int32_t Width() const override { return image_.Width(); }
    int32_t Height() const override { return image_.Height(); }
    void Clear() override;
    void FillVerticalGradient(const GradientVertex& a, const GradientVertex& b) override;
    void PaintPicture(Skin skin, const PixelRect& source, const PixelRect& destination) override;
    void Refresh() override;

  private:
    HWND window_ = nullptr;
    MemoryImage image_;
};

}  // namespace Vantor
