#pragma once
// The 640 x 480 frame stretched to any window size, nearest neighbour, into 32-bit pixels laid out
// like the frame's (blue, green, red, fourth byte).
#include <cstddef>
#include <cstdint>
#include <vector>

#include "frame.h"

class FrameStretch {
  public:
    // Works out which frame column and row each window column and row shows; only on a size change.
    void Resize(int32_t width, int32_t height);
    int32_t Width() const { return static_cast<int32_t>(sourceColumns_.size()); }
    int32_t Height() const { return static_cast<int32_t>(sourceRows_.size()); }
    // Writes Width() x Height() pixels, rows stride bytes apart; fourthByte is ORed into every pixel
    // (an opaque alpha on 32-bit visuals).
    void Draw(const PaletteEntry* frame, uint32_t fourthByte, uint8_t* out, size_t stride) const;

  private:
    std::vector<int32_t> sourceColumns_;
    std::vector<int32_t> sourceRows_;
};
