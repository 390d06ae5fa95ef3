#include "pixel_conversion.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr PaletteEntry kSample{0x12, 0x34, 0x56, 0x78};  // blue, green, red, fourth byte
constexpr PaletteEntry kWhite{0xFF, 0xFF, 0xFF, 0x00};
constexpr PaletteEntry kBlack{0x00, 0x00, 0x00, 0x00};

TEST(PixelConversionTest, EachMaskLayoutGetsItsChannelsInPlace) {
    const struct {
        const char* name;
        PixelLayout layout;
        int bytesPerPixel;
        uint32_t sample;
        uint32_t white;
        uint32_t black;
    } cases[] = {
        // The frame's own layout: its four bytes as they are, and an opaque alpha at depth 32.
        {"24-bit RGB", {0xFF0000, 0xFF00, 0xFF, 24, 32}, 4, 0x78563412, 0x00FFFFFF, 0},
        {"32-bit ARGB", {0xFF0000, 0xFF00, 0xFF, 32, 32}, 4, 0xFF563412, 0xFFFFFFFF, 0xFF000000},
        {"24-bit BGR", {0xFF, 0xFF00, 0xFF0000, 24, 32}, 4, 0x00123456, 0x00FFFFFF, 0},
        {"24-bit packed", {0xFF0000, 0xFF00, 0xFF, 24, 24}, 3, 0x563412, 0xFFFFFF, 0},
        // Narrower channels keep their top bits: 0x56 >> 3 = 0x0A, 0x34 >> 2 = 0x0D, 0x12 >> 3 = 0x02.
        {"16-bit 565", {0xF800, 0x07E0, 0x001F, 16, 16}, 2, 0x0A << 11 | 0x0D << 5 | 0x02, 0xFFFF, 0},
        {"16-bit 565 BGR", {0x001F, 0x07E0, 0xF800, 16, 16}, 2, 0x02 << 11 | 0x0D << 5 | 0x0A, 0xFFFF, 0},
        {"15-bit 555", {0x7C00, 0x03E0, 0x001F, 15, 16}, 2, 0x0A << 10 | 0x06 << 5 | 0x02, 0x7FFF, 0},
        // Wider channels repeat the bits: 0x56 -> 0x159, 0x34 -> 0x0D0, 0x12 -> 0x048.
        {"30-bit",
         {0x3FF00000, 0xFFC00, 0x3FF, 30, 32},
         4,
         0x159u << 20 | 0x0D0 << 10 | 0x048,
         0x3FFFFFFF,
         0},
        {"32-bit with 2-bit alpha",
         {0x3FF00000, 0xFFC00, 0x3FF, 32, 32},
         4,
         0xC0000000u | 0x159u << 20 | 0x0D0 << 10 | 0x048,
         0xFFFFFFFF,
         0xC0000000},
        {"8-bit 332", {0xE0, 0x1C, 0x03, 8, 8}, 1, 0x02 << 5 | 0x01 << 2 | 0x00, 0xFF, 0},
    };
    std::vector<PaletteEntry> frame(kFramePixels, kSample);
    frame.back() = kWhite;
    std::vector<uint32_t> out(kFramePixels);
    for (const auto& c : cases) {
        const std::optional<PixelConversion> conversion = PixelConversion::For(c.layout);
        ASSERT_TRUE(conversion) << c.name;
        EXPECT_EQ(conversion->BytesPerPixel(), c.bytesPerPixel) << c.name;
        EXPECT_EQ(conversion->Convert(kSample), c.sample) << c.name;
        EXPECT_EQ(conversion->Convert(kWhite), c.white) << c.name;
        EXPECT_EQ(conversion->Convert(kBlack), c.black) << c.name;
        conversion->ConvertFrame(frame.data(), out.data());
        EXPECT_EQ(out.front(), c.sample) << c.name;
        EXPECT_EQ(out.back(), c.white) << c.name;
    }
}

TEST(PixelConversionTest, RefusesMasksNoPixelCanHold) {
    const struct {
        const char* name;
        PixelLayout layout;
    } cases[] = {
        {"no red", {0, 0xFF00, 0xFF, 24, 32}},
        {"broken mask", {0xF0F000, 0x0F00, 0xFF, 24, 32}},
        {"shared bits", {0xFF0000, 0x01FF00, 0xFF, 24, 32}},
        {"mask above the depth", {0xF800, 0x07E0, 0x001F, 15, 16}},
        {"depth above the pixel", {0xFF0000, 0xFF00, 0xFF, 24, 16}},
        {"pixel of no whole bytes", {0xF800, 0x07E0, 0x001F, 16, 12}},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(PixelConversion::For(c.layout)) << c.name;
    }
}

}  // namespace
