#include "frame_stretch.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// Every frame pixel different, so a wrong column or row cannot go unseen.
std::vector<PaletteEntry> NumberedFrame() {
    std::vector<PaletteEntry> frame(kFramePixels);
    for (uint32_t i = 0; i < kFramePixels; ++i) {
        frame[i] = {static_cast<uint8_t>(i), static_cast<uint8_t>(i >> 8), static_cast<uint8_t>(i >> 16), 0};
    }
    return frame;
}

uint32_t PixelAt(const std::vector<uint8_t>& out, size_t stride, int32_t x, int32_t y) {
    uint32_t pixel;
    std::memcpy(&pixel, out.data() + static_cast<size_t>(y) * stride + static_cast<size_t>(x) * 4, 4);
    return pixel;
}

TEST(FrameStretchTest, EachWindowPixelShowsTheFramePixelItFallsIn) {
    const std::vector<PaletteEntry> frame = NumberedFrame();
    const struct {
        int32_t width;
        int32_t height;
        uint32_t fourthByte;
    } cases[] = {
        {640, 480, 0}, {1280, 960, 0}, {1920, 1080, 0xFF000000}, {1, 1, 0}, {333, 1201, 0xFF000000},
    };
    for (const auto& c : cases) {
        FrameStretch stretch;
        stretch.Resize(c.width, c.height);
        // Rows padded past the pixels: the padding must stay untouched.
        const size_t stride = static_cast<size_t>(c.width) * 4 + 12;
        std::vector<uint8_t> out(stride * static_cast<size_t>(c.height), 0xAB);
        stretch.Draw(frame.data(), c.fourthByte, out.data(), stride);
        for (int32_t y = 0; y < c.height; ++y) {
            // A pixel's span: window x covers frame columns [x * 640 / w, (x + 1) * 640 / w).
            const int32_t frameRow = static_cast<int32_t>(int64_t{y} * kFrameHeight / c.height);
            for (int32_t x = 0; x < c.width; ++x) {
                const int32_t frameColumn = static_cast<int32_t>(int64_t{x} * kFrameWidth / c.width);
                const uint32_t expected =
                    static_cast<uint32_t>(frameRow * kFrameWidth + frameColumn) | c.fourthByte;
                ASSERT_EQ(PixelAt(out, stride, x, y), expected)
                    << c.width << "x" << c.height << " at " << x << "," << y;
            }
            ASSERT_EQ(PixelAt(out, stride, c.width, y), 0xABABABABu);
        }
    }
}

}  // namespace
