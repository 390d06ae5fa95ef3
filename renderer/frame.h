#pragma once
// The renderer's shared frame data: one static instance of each, zero at start.
#include <cstdint>

struct PaletteEntry {
    uint8_t blue;
    uint8_t green;
    uint8_t red;
    uint8_t reserved;
};
static_assert(sizeof(PaletteEntry) == 4);

inline constexpr int32_t kFrameWidth = 640;
inline constexpr int32_t kFrameHeight = 480;
inline constexpr int32_t kFramePixels = kFrameWidth * kFrameHeight;

extern int32_t FrameWidth;
extern int32_t FrameHeight;
extern int32_t FramePixels;
extern PaletteEntry FrameBuffer[kFramePixels];
extern PaletteEntry CornerPalette[256];
extern PaletteEntry AxisPalette[256];
