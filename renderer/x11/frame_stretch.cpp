#include "frame_stretch.h"

#include <cstring>

namespace {

// The frame index under the centre of each of count window indices, as the server's nearest filter
// finds it: the centre i + 1/2 times the step, the product's fraction rounded to 16 bits (halves up),
// then the smallest fixed step less, so that a centre on a boundary takes the pixel before it.
std::vector<int32_t> NearestIndices(int32_t count, int32_t sourceCount) {
    const int64_t step = FrameStep(sourceCount, count);
    const int64_t firstCentre = (step + 1) / 2;
    std::vector<int32_t> indices(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        indices[i] = static_cast<int32_t>((i * step + firstCentre - 1) >> 16);
    }
    return indices;
}

}  // namespace

int32_t FrameStep(int32_t frameSize, int32_t windowSize) {
    return static_cast<int32_t>((int64_t{frameSize} << 16) / windowSize);
}

void FrameStretch::Resize(int32_t width, int32_t height) {
    sourceColumns_ = NearestIndices(width, kFrameWidth);
    sourceRows_ = NearestIndices(height, kFrameHeight);
}

template <int kBytes>
void FrameStretch::DrawRows(const uint32_t* pixels, uint8_t* out, size_t stride,
                            const PixelArea& area) const {
    const size_t left = static_cast<size_t>(area.x) * kBytes;
    const size_t rowBytes = static_cast<size_t>(area.width) * kBytes;
    for (int32_t y = area.y; y < area.y + area.height; ++y) {
        uint8_t* row = out + static_cast<size_t>(y) * stride;
        // Rows that show the same frame row are copied: most rows when the window is taller.
        if (y > area.y && sourceRows_[y] == sourceRows_[y - 1]) {
            std::memcpy(row + left, row - stride + left, rowBytes);
            continue;
        }
        const uint32_t* source = pixels + static_cast<size_t>(sourceRows_[y]) * kFrameWidth;
        for (int32_t x = area.x; x < area.x + area.width; ++x) {
            const uint32_t pixel = source[sourceColumns_[x]];
            // Byte by byte, so the order is the same on any host; the compiler makes it one store.
            for (int b = 0; b < kBytes; ++b) {
                row[x * kBytes + b] = static_cast<uint8_t>(pixel >> (8 * b));
            }
        }
    }
}

void FrameStretch::Draw(const uint32_t* pixels, int bytesPerPixel, uint8_t* out, size_t stride) const {
    DrawArea(pixels, bytesPerPixel, out, stride, {0, 0, Width(), Height()});
}

void FrameStretch::DrawArea(const uint32_t* pixels, int bytesPerPixel, uint8_t* out, size_t stride,
                            const PixelArea& area) const {
    switch (bytesPerPixel) {
        case 1:
            DrawRows<1>(pixels, out, stride, area);
            break;
        case 2:
            DrawRows<2>(pixels, out, stride, area);
            break;
        case 3:
            DrawRows<3>(pixels, out, stride, area);
            break;
        default:
            DrawRows<4>(pixels, out, stride, area);
            break;
    }
}
