#include "gdi_face_canvas_win32.h"

#include <array>

#include "skin_resources.h"

namespace Vantor {
namespace {

// The skins are shared by every button and live as long as the process.
HBITMAP SkinBitmap(Skin skin) {
  static std::array<HBITMAP, SkinCount> skins{};
  HBITMAP& bitmap = skins[size_t(skin)];
  if (bitmap == nullptr) {
    bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr),
                                             MAKEINTRESOURCEA(kSkinResourceFirst + int(skin)), IMAGE_BITMAP, 0, 0,
                                             LR_CREATEDIBSECTION));
  }
  return bitmap;
}

}  // namespace

GdiFaceCanvas::~GdiFaceCanvas() { Release(); }

void GdiFaceCanvas::Release() {
  if (image_ != nullptr) {
    SelectObject(image_, previousBitmap_);
    DeleteDC(image_);
    image_ = nullptr;
  }
  if (bitmap_ != nullptr) {
    DeleteObject(bitmap_);
    bitmap_ = nullptr;
  }
  width_ = height_ = 0;
}

void GdiFaceCanvas::Resize(int32_t width, int32_t height) {
  Release();
  HDC screen = GetDC(window_);
  if (screen == nullptr) return;
  image_ = CreateCompatibleDC(screen);
  bitmap_ = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(window_, screen);
  if (image_ == nullptr || bitmap_ == nullptr) {
    Release();
    return;
  }
  previousBitmap_ = SelectObject(image_, bitmap_);
  width_ = width;
  height_ = height;
  Clear();
}

void GdiFaceCanvas::Clear() {
  if (image_ == nullptr) return;
  const RECT all{0, 0, width_, height_};
  FillRect(image_, &all, GetSysColorBrush(COLOR_BTNFACE));
}

void GdiFaceCanvas::FillVerticalGradient(const GradientVertex& a, const GradientVertex& b) {
  if (image_ == nullptr) return;
  TRIVERTEX vertices[2] = {{a.x, a.y, a.red, a.green, a.blue, a.alpha}, {b.x, b.y, b.red, b.green, b.blue, b.alpha}};
  GRADIENT_RECT rect{0, 1};
  GradientFill(image_, vertices, 2, &rect, 1, GRADIENT_FILL_RECT_V);
}

void GdiFaceCanvas::PaintPicture(Skin skin, const PixelRect& source, const PixelRect& destination) {
  HBITMAP picture = SkinBitmap(skin);
  if (image_ == nullptr || picture == nullptr) return;
  HDC sourceDc = CreateCompatibleDC(image_);
  if (sourceDc == nullptr) return;
  const HGDIOBJ previous = SelectObject(sourceDc, picture);
  // Pixel replication: no smoothing of the stretched edges.
  SetStretchBltMode(image_, COLORONCOLOR);
  StretchBlt(image_, destination.x, destination.y, destination.width, destination.height, sourceDc, source.x,
             source.y, source.width, source.height, SRCCOPY);
  SelectObject(sourceDc, previous);
  DeleteDC(sourceDc);
}

void GdiFaceCanvas::Refresh() { InvalidateRect(window_, nullptr, FALSE); }

}  // namespace Vantor
