#include "gdi_face_canvas_win32.h"

#include <array>

#include "skin_resources.h"

namespace Vantor {
namespace {

// The skins are shared by every button and live as long as the process.
HBITMAP SkinBitmap(Skin skin) {
    static std::array<HBITMAP, SkinCount> skins{};
    HBITMAP& bitmap = skins[static_cast<size_t>(skin)];
    if (bitmap == nullptr) {
        bitmap = static_cast<HBITMAP>(LoadImageA(
            GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kSkinResourceFirst + static_cast<int>(skin)),
            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    }
    return bitmap;
}

}  // namespace

void GdiFaceCanvas::Resize(HWND window, int32_t width, int32_t height) {
    window_ = window;
    if (image_.Create(window, width, height)) {
        Clear();
    }
}

void GdiFaceCanvas::Clear() {
    if (image_.Dc() == nullptr) {
        return;
    }
    const RECT all{0, 0, image_.Width(), image_.Height()};
    FillRect(image_.Dc(), &all, GetSysColorBrush(COLOR_BTNFACE));
}

void GdiFaceCanvas::FillVerticalGradient(const GradientVertex& a, const GradientVertex& b) {
    if (image_.Dc() == nullptr) {
        return;
    }
    TRIVERTEX vertices[2] = {{a.x, a.y, a.red, a.green, a.blue, a.alpha},
                             {b.x, b.y, b.red, b.green, b.blue, b.alpha}};
    GRADIENT_RECT rect{0, 1};
    GradientFill(image_.Dc(), vertices, 2, &rect, 1, GRADIENT_FILL_RECT_V);
}

void GdiFaceCanvas::PaintPicture(Skin skin, const PixelRect& source, const PixelRect& destination) {
    HBITMAP picture = SkinBitmap(skin);
    HDC image = image_.Dc();
    if (image == nullptr || picture == nullptr) {
        return;
    }
    HDC sourceDc = CreateCompatibleDC(image);
    if (sourceDc == nullptr) {
        return;
    }
    const HGDIOBJ previous = SelectObject(sourceDc, picture);
    // Pixel replication: no smoothing of the stretched edges.
    SetStretchBltMode(image, COLORONCOLOR);
    StretchBlt(image, destination.x, destination.y, destination.width, destination.height, sourceDc, source.x,
               source.y, source.width, source.height, SRCCOPY);
    SelectObject(sourceDc, previous);
    DeleteDC(sourceDc);
}

void GdiFaceCanvas::Refresh() {
    // Before its first size the canvas has no window, and a null one would mean the whole screen.
    if (window_ != nullptr) {
        InvalidateRect(window_, nullptr, FALSE);
    }
}

}  // namespace Vantor
