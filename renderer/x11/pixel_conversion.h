#pragma once
// Frame pixels in the format of a TrueColor visual: each channel's 8 bits placed under the
// visual's mask, cut to its width or widened by repeating the bits, so that 0 and 255 stay black and
// full. A visual that reads the frame's own bytes (blue, green, red in a 32-bit pixel) gets them as
// they are.
#include <array>
#include <cstdint>
#include <optional>

#include "frame.h"
#include "frame_changes.h"

struct PixelLayout {
    uint32_t redMask = 0;
    uint32_t greenMask = 0;
    uint32_t blueMask = 0;
    // The visual's depth: bits under it but under no mask are alpha, set to opaque.
    int depth = 0;
    int bitsPerPixel = 0;
};

class PixelConversion {
  public:
    // Nothing for a layout no pixel can be made for: a mask empty, broken up or shared with another,
    // a depth or pixel size that does not hold the masks.
    static std::optional<PixelConversion> For(const PixelLayout& layout);
    int BytesPerPixel() const { return bytesPerPixel_; }
    // The pixel, in its low BytesPerPixel() bytes.
    uint32_t Convert(PaletteEntry entry) const {
        if (keepsFrameBytes_) {
            return (static_cast<uint32_t>(entry.reserved) << 24 | static_cast<uint32_t>(entry.red) << 16 |
                    static_cast<uint32_t>(entry.green) << 8 | entry.blue) |
                   fill_;
        }
        return red_[entry.red] | green_[entry.green] | blue_[entry.blue] | fill_;
    }
    // The whole 640 x 480 frame into kFramePixels pixels.
    void ConvertFrame(const PaletteEntry* frame, uint32_t* out) const;
    // Only an area of it, into the same places of out.
    void ConvertArea(const PaletteEntry* frame, const PixelArea& area, uint32_t* out) const;

  private:
    PixelConversion() = default;

    bool keepsFrameBytes_ = false;
    int bytesPerPixel_ = 0;
    uint32_t fill_ = 0;
    std::array<uint32_t, 256> red_{};
    std::array<uint32_t, 256> green_{};
    std::array<uint32_t, 256> blue_{};
};
