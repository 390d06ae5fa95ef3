#include "memory_image_win32.h"

namespace Vantor {

void MemoryImage::Release() {
    if (dc_ != nullptr) {
        SelectObject(dc_, previousBitmap_);
        DeleteDC(dc_);
        dc_ = nullptr;
    }
    if (bitmap_ != nullptr) {
        DeleteObject(bitmap_);
        bitmap_ = nullptr;
    }
    width_ = height_ = 0;
}

bool MemoryImage::Create(HWND window, int width, int height) {
    Release();
    HDC screen = GetDC(window);
    if (screen == nullptr) {
        return false;
    }
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(window, screen);
    if (dc_ == nullptr || bitmap_ == nullptr) {
        Release();
        return false;
    }
    previousBitmap_ = SelectObject(dc_, bitmap_);
    width_ = width;
    height_ = height;
    return true;
}

void MemoryImage::Show(HDC dc) const {
    if (dc_ != nullptr) {
        BitBlt(dc, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
    }
}

}  // namespace Vantor
