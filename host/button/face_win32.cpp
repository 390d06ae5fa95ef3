#include "face_win32.h"

#include <array>

#include "face_painter.h"
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

void FillGradient(HDC image, int32_t width, int32_t height, bool reversed) {
    const auto [a, b] = FaceGradient(width, height, reversed);
    TRIVERTEX vertices[2] = {{a.x, a.y, a.red, a.green, a.blue, a.alpha},
                             {b.x, b.y, b.red, b.green, b.blue, b.alpha}};
    GRADIENT_RECT rect{0, 1};
    GradientFill(image, vertices, 2, &rect, 1, GRADIENT_FILL_RECT_V);
}

void PaintFrame(HDC image, int32_t width, int32_t height, Skin skin) {
    HBITMAP picture = SkinBitmap(skin);
    if (picture == nullptr) {
        return;
    }
    HDC source = CreateCompatibleDC(image);
    if (source == nullptr) {
        return;
    }
    const HGDIOBJ previous = SelectObject(source, picture);
    // Pixel replication: no smoothing of the stretched edges.
    SetStretchBltMode(image, COLORONCOLOR);
    for (const FramePiece& piece : FramePieces(width, height)) {
        const PixelRect& from = piece.source;
        const PixelRect& to = piece.destination;
        StretchBlt(image, to.x, to.y, to.width, to.height, source, from.x, from.y, from.width, from.height,
                   SRCCOPY);
    }
    SelectObject(source, previous);
    DeleteDC(source);
}

}  // namespace

void DrawFace(const MemoryImage& image, Skin skin, bool gradientReversed) {
    HDC dc = image.Dc();
    if (dc == nullptr) {
        return;
    }
    const RECT all{0, 0, image.Width(), image.Height()};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    FillGradient(dc, image.Width(), image.Height(), gradientReversed);
    PaintFrame(dc, image.Width(), image.Height(), skin);
}

}  // namespace Vantor
