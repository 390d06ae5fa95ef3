#include "frame_stretch.h"

#include <cstring>

namespace {

// The source index whose span covers destination index i out of count.
std::vector<int32_t> NearestIndices(int32_t count, int32_t sourceCount) {
    std::vector<int32_t> indices(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        indices[i] = static_cast<int32_t>(static_cast<int64_t>(i) * sourceCount / count);
    }
    return indices;
}

}  // namespace

void FrameStretch::Resize(int32_t width, int32_t height) {
    sourceColumns_ = NearestIndices(width, kFrameWidth);
    sourceRows_ = NearestIndices(height, kFrameHeight);
}

void FrameStretch::Draw(const PaletteEntry* frame, uint32_t fourthByte, uint8_t* out, size_t stride) const {
    const size_t rowBytes = sourceColumns_.size() * sizeof(uint32_t);
    for (size_t y = 0; y < sourceRows_.size(); ++y) {
        uint8_t* row = out + y * stride;
        // Rows that show the same frame row are copied whole: most rows when the window is taller.
        if (y > 0 && sourceRows_[y] == sourceRows_[y - 1]) {
            std::memcpy(row, row - stride, rowBytes);
            continue;
        }
        const PaletteEntry* source = frame + static_cast<size_t>(sourceRows_[y]) * kFrameWidth;
        for (size_t x = 0; x < sourceColumns_.size(); ++x) {
            uint32_t pixel;
            std::memcpy(&pixel, &source[sourceColumns_[x]], sizeof pixel);
            pixel |= fourthByte;
            std::memcpy(row + x * sizeof pixel, &pixel, sizeof pixel);
        }
    }
}
