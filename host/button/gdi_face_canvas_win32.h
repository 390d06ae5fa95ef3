#pragma once
// The button's persistent image: a bitmap the face is drawn into with the platform's gradient fill and
// stretched copies of the skin pictures; the window shows it on every paint.
#include <windows.h>

#include "face_canvas.h"

namespace Vantor {

class GdiFaceCanvas : public FaceCanvas {
 public:
  // The window handle is read when drawing, so the canvas can exist before its window.
  explicit GdiFaceCanvas(const HWND& window) : window_(window) {}
  ~GdiFaceCanvas() override;
  GdiFaceCanvas(const GdiFaceCanvas&) = delete;
  GdiFaceCanvas& operator=(const GdiFaceCanvas&) = delete;

  // A new, cleared image of the window's client size.
  void Resize(int32_t width, int32_t height);
  HDC Image() const { return image_; }

  int32_t Width() const override { return width_; }
  int32_t Height() const override { return height_; }
  void Clear() override;
  void FillVerticalGradient(const GradientVertex& a, const GradientVertex& b) override;
  void PaintPicture(Skin skin, const PixelRect& source, const PixelRect& destination) override;
  void Refresh() override;

 private:
  void Release();

  const HWND& window_;
  HDC image_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previousBitmap_ = nullptr;
  int32_t width_ = 0;
  int32_t height_ = 0;
};

}  // namespace Vantor
