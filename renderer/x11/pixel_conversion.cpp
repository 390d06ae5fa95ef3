#include "pixel_conversion.h"

#include <bit>

namespace {

// The 8-bit value v in a channel of width bits: its top bits when narrower, repeated when wider.
uint32_t Widen(uint32_t v, int width) {
    uint32_t out = 0;
    for (int left = width; left > 0; left -= 8) {
        out = left >= 8 ? out << 8 | v : out << left | v >> (8 - left);
    }
    return out;
}

// One contiguous run of set bits.
bool IsChannelMask(uint32_t mask) {
    if (mask == 0) {
        return false;
    }
    const uint32_t low = mask >> std::countr_zero(mask);
    return (low & (low + 1)) == 0;
}

std::array<uint32_t, 256> ChannelTable(uint32_t mask) {
    const int shift = std::countr_zero(mask);
    const int width = std::popcount(mask);
    std::array<uint32_t, 256> table{};
    for (uint32_t v = 0; v < 256; ++v) {
        table[v] = Widen(v, width) << shift;
    }
    return table;
}

}  // namespace

std::optional<PixelConversion> PixelConversion::For(const PixelLayout& layout) {
    const uint32_t masks = layout.redMask | layout.greenMask | layout.blueMask;
    const bool separate = (layout.redMask & layout.greenMask) == 0 &&
                          (layout.redMask & layout.blueMask) == 0 &&
                          (layout.greenMask & layout.blueMask) == 0;
    if (!IsChannelMask(layout.redMask) || !IsChannelMask(layout.greenMask) ||
        !IsChannelMask(layout.blueMask) || !separate || layout.depth < 1 ||
        layout.depth > layout.bitsPerPixel || layout.bitsPerPixel % 8 != 0 || layout.bitsPerPixel > 32) {
        return std::nullopt;
    }
    const uint32_t depthBits = layout.depth == 32 ? ~0u : (1u << layout.depth) - 1;
    if ((masks & ~depthBits) != 0) {
        return std::nullopt;
    }
    PixelConversion conversion;
    conversion.bytesPerPixel_ = layout.bitsPerPixel / 8;
    conversion.fill_ = depthBits & ~masks;
    conversion.keepsFrameBytes_ = layout.bitsPerPixel == 32 && layout.redMask == 0xFF0000 &&
                                  layout.greenMask == 0x00FF00 && layout.blueMask == 0x0000FF;
    conversion.red_ = ChannelTable(layout.redMask);
    conversion.green_ = ChannelTable(layout.greenMask);
    conversion.blue_ = ChannelTable(layout.blueMask);
    return conversion;
}

void PixelConversion::ConvertFrame(const PaletteEntry* frame, uint32_t* out) const {
    ConvertArea(frame, {0, 0, kFrameWidth, kFrameHeight}, out);
}

void PixelConversion::ConvertArea(const PaletteEntry* frame, const PixelArea& area, uint32_t* out) const {
    for (int32_t row = area.y; row < area.y + area.height; ++row) {
        const int32_t first = row * kFrameWidth + area.x;
        for (int32_t i = first; i < first + area.width; ++i) {
            out[i] = Convert(frame[i]);
        }
    }
}
