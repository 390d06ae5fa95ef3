#include "sprite_blend.h"

#include "sprite_kernels.h"

namespace {
using BlendFunction = void (*)(int32_t, const TintedSprite&);

BlendFunction BlendFor(SimdLevel level) { return level == SimdLevel::Avx2 ? BlendSpriteAvx2 : BlendSpriteSse2; }

BlendFunction blend = BlendFor(BestSimdLevel());
}  // namespace

SimdLevel BestSimdLevel() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") ? SimdLevel::Avx2 : SimdLevel::Sse2;
}

void UseSimdLevel(SimdLevel level) { blend = BlendFor(level); }

void BlendSprite(int32_t position, const TintedSprite& glow) { blend(position, glow); }
