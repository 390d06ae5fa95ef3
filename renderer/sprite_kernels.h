#pragma once
// The blend's vector implementations, one per SimdLevel.
#include "sprite_blend.h"

inline constexpr int kFrameRowBytes = kFrameWidth * 4;

inline uint8_t* SpriteTarget(int32_t position) {
    return reinterpret_cast<uint8_t*>(FrameBuffer + position);
}

void TintGlowSpriteSse2(PaletteEntry colour, TintedSprite& glow);
void BlendSpriteSse2(int32_t position, const TintedSprite& glow);
void TintGlowSpriteAvx2(PaletteEntry colour, TintedSprite& glow);
void BlendSpriteAvx2(int32_t position, const TintedSprite& glow);
