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

// The frame index the server's nearest filter samples for window index i: the pixel centre in 16.16
// fixed point, mapped by the step with the product's fraction rounded, less one fixed step, floored.
int32_t ServerIndex(int32_t i, int32_t frameSize, int32_t windowSize) {
    const int64_t step = FrameStep(frameSize, windowSize);
    const int64_t centre = int64_t{i} * 65536 + 32768;
    const int64_t mapped = (step * (centre >> 16) * 65536 + step * (centre & 0xFFFF) + 0x8000) >> 16;
    return static_cast<int32_t>((mapped - 1) >> 16);
}

TEST(FrameStretchTest, EachWindowPixelShowsTheFramePixelTheServerSamples) {
    // The step is the exact scale cut to 16 fractional bits.
    EXPECT_EQ(FrameStep(640, 1920), 21845);
    EXPECT_EQ(FrameStep(480, 1080), 29127);
    EXPECT_EQ(FrameStep(640, 1280), 32768);
    const std::vector<uint32_t> pixels = NumberedPixels();
    const struct {
        int32_t width;
        int32_t height;
        int bytes;
    } cases[] = {
        {640, 480, 4}, {1280, 960, 4}, {1920, 1080, 2}, {1366, 768, 4},
        {1, 1, 4},     {333, 1201, 3}, {700, 500, 1},
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
            const int32_t frameRow = ServerIndex(y, kFrameHeight, c.height);
            for (int32_t x = 0; x < c.width; ++x) {
                const int32_t frameColumn = ServerIndex(x, kFrameWidth, c.width);
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
