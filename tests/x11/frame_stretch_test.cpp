#include "frame_stretch.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Every frame pixel different, so a wrong column or row cannot go unseen.
std::vector<uint32_t> NumberedPixels() {
    std::vector<uint32_t> pixels(kFramePixels);
    for (uint32_t i = 0; i < kFramePixels; ++i) {
        pixels[i] = i * 0x01030507u;
    }
    return pixels;
}

uint32_t PixelAt(const std::vector<uint8_t>& out, size_t stride, int bytes, int32_t x, int32_t y) {
    uint32_t pixel = 0;
    for (int b = 0; b < bytes; ++b) {
        pixel |=
            static_cast<uint32_t>(out[static_cast<size_t>(y) * stride + static_cast<size_t>(x * bytes + b)])
            << (8 * b);
    }
    return pixel;
}

TEST(FrameStretchTest, EachWindowPixelShowsTheFramePixelItFallsIn) {
    const std::vector<uint32_t> pixels = NumberedPixels();
    const struct {
        int32_t width;
        int32_t height;
        int bytes;
    } cases[] = {
        {640, 480, 4}, {1280, 960, 4}, {1920, 1080, 2}, {1, 1, 4}, {333, 1201, 3}, {700, 500, 1},
    };
    for (const auto& c : cases) {
        FrameStretch stretch;
        stretch.Resize(c.width, c.height);
        // Rows padded past the pixels: the padding must stay untouched.
        const size_t stride = static_cast<size_t>(c.width * c.bytes) + 12;
        std::vector<uint8_t> out(stride * static_cast<size_t>(c.height), 0xAB);
        stretch.Draw(pixels.data(), c.bytes, out.data(), stride);
        const uint32_t byteMask = c.bytes == 4 ? ~0u : (1u << (8 * c.bytes)) - 1;
        for (int32_t y = 0; y < c.height; ++y) {
            // A pixel's span: window x covers frame columns [x * 640 / w, (x + 1) * 640 / w).
            const int32_t frameRow = static_cast<int32_t>(int64_t{y} * kFrameHeight / c.height);
            for (int32_t x = 0; x < c.width; ++x) {
                const int32_t frameColumn = static_cast<int32_t>(int64_t{x} * kFrameWidth / c.width);
                const uint32_t expected =
                    pixels[static_cast<size_t>(frameRow * kFrameWidth + frameColumn)] & byteMask;
                ASSERT_EQ(PixelAt(out, stride, c.bytes, x, y), expected)
                    << c.width << "x" << c.height << "x" << c.bytes << " at " << x << "," << y;
            }
            ASSERT_EQ(PixelAt(out, stride, 1, c.width * c.bytes, y), 0xABu);
            ASSERT_EQ(PixelAt(out, stride, 1, c.width * c.bytes + 11, y), 0xABu);
        }
    }
}

}  // namespace
