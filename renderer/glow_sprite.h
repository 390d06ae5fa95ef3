#pragma once
// The soft round glow that every point of the figure adds onto the frame.
#include <cstdint>

inline constexpr int kSpriteSize = 16;

extern uint8_t GlowSprite[kSpriteSize][kSpriteSize];

void BuildGlowSprite();
