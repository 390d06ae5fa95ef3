#include "sprite_blend.h"

#include "sprite_kernels.h"

namespace {
struct SpriteKernels {
    void (*tint)(PaletteEntry, TintedSprite&);
    void (*blend)(int32_t, const TintedSprite&);
};

SpriteKernels KernelsFor(SimdLevel level) {
    if (level == SimdLevel::Avx2) {
        return {TintGlowSpriteAvx2, BlendSpriteAvx2};
    }
    return {TintGlowSpriteSse2, BlendSpriteSse2};
}

SpriteKernels kernels = KernelsFor(BestSimdLevel());
}  // namespace

SimdLevel BestSimdLevel() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") ? SimdLevel::Avx2 : SimdLevel::Sse2;
}

void UseSimdLevel(SimdLevel level) {
    kernels = KernelsFor(level);
}

void TintGlowSprite(PaletteEntry colour, TintedSprite& glow) {
    kernels.tint(colour, glow);
}
void BlendSprite(int32_t position, const TintedSprite& glow) {
    kernels.blend(position, glow);
}
