#pragma once
// A plain picture in memory: rows from the top, one 0x00RRGGBB value per pixel.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Vantor {

struct Picture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;

    Picture() = default;
    Picture(int32_t w, int32_t h, uint32_t fill = 0)
        : width(w), height(h), pixels(std::size_t(w) * h, fill) {}
    uint32_t& at(int32_t x, int32_t y) { return pixels[std::size_t(y) * width + x]; }
    uint32_t at(int32_t x, int32_t y) const { return pixels[std::size_t(y) * width + x]; }
    bool operator==(const Picture&) const = default;
};

inline constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) {
    return r << 16 | g << 8 | b;
}
inline constexpr uint32_t RedOf(uint32_t c) {
    return c >> 16 & 0xFF;
}
inline constexpr uint32_t GreenOf(uint32_t c) {
    return c >> 8 & 0xFF;
}
inline constexpr uint32_t BlueOf(uint32_t c) {
    return c & 0xFF;
}

}  // namespace Vantor
