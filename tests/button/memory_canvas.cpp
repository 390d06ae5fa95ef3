#include "memory_canvas.h"

#include <algorithm>

namespace Vantor {

void MemoryFaceCanvas::Clear() {
    std::fill(surface_.pixels.begin(), surface_.pixels.end(), background_);
}

void MemoryFaceCanvas::FillVerticalGradient(const GradientVertex& a, const GradientVertex& b) {
    const int32_t rows = b.y - a.y;
    if (rows <= 0 || b.x <= a.x) {
        return;
    }
    // Linear in the 16-bit channels; the high byte is what an 8-bit surface shows.
    const auto channel = [&](uint16_t from, uint16_t to, int32_t step) {
        const int64_t value = from + (static_cast<int64_t>(to) - from) * step / rows;
        return static_cast<uint32_t>(value >> 8);
    };
    for (int32_t y = std::max(a.y, 0); y < std::min(b.y, surface_.height); ++y) {
        const int32_t step = y - a.y;
        const uint32_t colour =
            Rgb(channel(a.red, b.red, step), channel(a.green, b.green, step), channel(a.blue, b.blue, step));
        for (int32_t x = std::max(a.x, 0); x < std::min(b.x, surface_.width); ++x) {
            surface_.at(x, y) = colour;
        }
    }
}

void MemoryFaceCanvas::PaintPicture(Skin skin, const PixelRect& source, const PixelRect& destination) {
    const Picture& picture = skins_[static_cast<size_t>(skin)];
    if (destination.width <= 0 || destination.height <= 0 || source.width <= 0 || source.height <= 0) {
        return;
    }
    for (int32_t dy = 0; dy < destination.height; ++dy) {
        const int32_t y = destination.y + dy;
        const int32_t sy = source.y + dy * source.height / destination.height;
        if (y < 0 || y >= surface_.height || sy < 0 || sy >= picture.height) {
            continue;
        }
        for (int32_t dx = 0; dx < destination.width; ++dx) {
            const int32_t x = destination.x + dx;
            const int32_t sx = source.x + dx * source.width / destination.width;
            if (x < 0 || x >= surface_.width || sx < 0 || sx >= picture.width) {
                continue;
            }
            surface_.at(x, y) = picture.at(sx, sy);
        }
    }
}

}  // namespace Vantor
