#pragma once
// The geometry and colours of one button face: the gradient over the whole surface and the 4-pixel
// frame cut from a skin. Everything here is in pixels; face_win32.cpp draws it.
#include <array>
#include <cstdint>

namespace Vantor {

// Skin pictures are 64 x 25 pixels; their frame is 4 pixels wide and their inner 56 x 17 is never used.
inline constexpr int32_t SkinWidth = 64;
inline constexpr int32_t SkinHeight = 25;
inline constexpr int32_t FrameSize = 4;

struct PixelRect {
    int32_t x = 0, y = 0, width = 0, height = 0;
    bool operator==(const PixelRect&) const = default;
};

// One corner of a gradient: position and 16-bit channels (component in the high byte), as the
// platform's gradient fill takes them.
struct GradientVertex {
    int32_t x = 0, y = 0;
    uint16_t red = 0, green = 0, blue = 0, alpha = 0;
    bool operator==(const GradientVertex&) const = default;
};

struct FramePiece {
    PixelRect source;
    PixelRect destination;
};

// The eight frame pieces for a face of width x height pixels, in drawing order: top-left corner, top edge,
// top-right corner, right edge, bottom-right corner, bottom edge, bottom-left corner, left edge. Corners
// keep their size; edges are stretched along their length.
std::array<FramePiece, 8> FramePieces(int32_t width, int32_t height);

// Light on top and shade at the bottom, or the other way round when reversed. The rectangle leaves out
// the last column and row, which lie under the frame.
std::array<GradientVertex, 2> FaceGradient(int32_t width, int32_t height, bool reversed);

}  // namespace Vantor
