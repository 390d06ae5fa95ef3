#pragma once
// What a face is drawn with: the control's persistent image, cleared, filled with a vertical gradient and
// overlaid with pieces of a skin picture. Everything here is in pixels. Implemented by GdiFaceCanvas,
// faked by tests/button's MemoryFaceCanvas, which draws into memory as the platform would.
#include <cstdint>

#include "button_state.h"

namespace Vantor {

struct PixelRect {
    int32_t x = 0, y = 0, width = 0, height = 0;
    bool operator==(const PixelRect&) const = default;
};

// One corner of a gradient: position and 16-bit channels (component in the high byte), as the
// platform's gradient fill takes them.
struct GradientVertex {
    int32_t x = 0, y = 0;
    uint16_t red = 0, green = 0, blue = 0, alpha = 0;
    bool operator==(const GradientVertex&) const = default;
};

class FaceCanvas {
  public:
    virtual ~FaceCanvas() = default;
    virtual int32_t Width() const = 0;
    virtual int32_t Height() const = 0;
    virtual void Clear() = 0;
    // Rows from a.y up to but not including b.y, columns a.x up to but not including b.x, each row one
    // colour interpolated linearly from a's colour to b's.
    virtual void FillVerticalGradient(const GradientVertex& a, const GradientVertex& b) = 0;
    // Copies the source rectangle of the skin onto the destination, stretched by pixel replication.
    virtual void PaintPicture(Skin skin, const PixelRect& source, const PixelRect& destination) = 0;
    virtual void Refresh() = 0;
};

}  // namespace Vantor
