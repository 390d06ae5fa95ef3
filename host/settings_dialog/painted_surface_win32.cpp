#include "painted_surface_win32.h"

namespace Vantor_P {

void PaintedSurface::Release() {
  if (image_ != nullptr) {
    SelectObject(image_, previousBitmap_);
    DeleteDC(image_);
    image_ = nullptr;
  }
  if (bitmap_ != nullptr) {
    DeleteObject(bitmap_);
    bitmap_ = nullptr;
  }
}

void PaintedSurface::Paint(HWND window, GradientSurface surface) {
  Release();
  RECT client;
  if (!GetClientRect(window, &client)) return;
  width_ = client.right;
  height_ = client.bottom;
  HDC screen = GetDC(window);
  if (screen == nullptr) return;
  image_ = CreateCompatibleDC(screen);
  bitmap_ = CreateCompatibleBitmap(screen, width_, height_);
  ReleaseDC(window, screen);
  if (image_ == nullptr || bitmap_ == nullptr) {
    Release();
    return;
  }
  previousBitmap_ = SelectObject(image_, bitmap_);
  SelectObject(image_, GetStockObject(DC_PEN));
  const auto rows = GradientRows(height_, surface);
  for (int y = 0; y < int(rows.size()); ++y) {
    const uint32_t c = rows[size_t(y)];
    SetDCPenColor(image_, RGB(c >> 16 & 0xFF, c >> 8 & 0xFF, c & 0xFF));
    MoveToEx(image_, 0, y, nullptr);
    LineTo(image_, width_, y);
  }
}

void PaintedSurface::Show(HDC dc) const {
  if (image_ != nullptr) BitBlt(dc, 0, 0, width_, height_, image_, 0, 0, SRCCOPY);
}

}  // namespace Vantor_P
