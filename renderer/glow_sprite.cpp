#include "glow_sprite.h"

#include <cmath>

uint8_t GlowSprite[kSpriteSize][kSpriteSize];

void BuildGlowSprite() {
    constexpr int centre = kSpriteSize / 2;
    for (int r = 0; r < kSpriteSize; ++r) {
        for (int c = 0; c < kSpriteSize; ++c) {
            const int d2 = (c - centre) * (c - centre) + (r - centre) * (r - centre);
            GlowSprite[r][c] = d2 <= centre * centre
                                   ? static_cast<uint8_t>(std::nearbyint((centre - std::sqrt(d2)) * 8))
                                   : 0;
        }
    }
}
