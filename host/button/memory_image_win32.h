#pragma once
// A bitmap in memory, compatible with a window's display, that a window copies onto itself when painted.
#include <windows.h>

namespace Vantor {

class MemoryImage {
  public:
    MemoryImage() = default;
    ~MemoryImage() { Release(); }
    MemoryImage(const MemoryImage&) = delete;
    MemoryImage& operator=(const MemoryImage&) = delete;

    // Replaces the image by a new one of the given size; false (and no image) when that fails.
    bool Create(HWND window, int width, int height);
    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Copies the image onto a device context at its origin.
    void Show(HDC dc) const;

  private:
    void Release();

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace Vantor
