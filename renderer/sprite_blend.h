#pragma once
// Adding glow sprites onto the frame. A sprite is tinted once per colour and then added at every
// point of that colour, with per-channel saturation.
#include <cstdint>

#include "frame.h"
#include "glow_sprite.h"

inline constexpr int kSpriteRowBytes = kSpriteSize * 4;

// GlowSprite with each element turned into a pixel: channel × element >> 8, byte 3 zero.
struct alignas(64) TintedSprite {
    uint8_t rows[kSpriteSize][kSpriteRowBytes];
};

void TintGlowSprite(PaletteEntry colour, TintedSprite& glow);
// Adds the sprite with its top-left pixel at position, each channel capped at 255.
void BlendSprite(int32_t position, const TintedSprite& glow);

// The widest vector unit the blend uses; the best one the processor has is chosen at start.
enum class SimdLevel { Sse2, Avx2 };
SimdLevel BestSimdLevel();
void UseSimdLevel(SimdLevel level);
