#include <immintrin.h>

#include "sprite_kernels.h"

__attribute__((target("avx2"))) void BlendSpriteAvx2(int32_t position, const TintedSprite& glow) {
    uint8_t* row = SpriteTarget(position);
    for (int r = 0; r < kSpriteSize; ++r, row += kFrameRowBytes) {
        for (int q = 0; q < kSpriteRowBytes; q += 32) {
            __m256i* target = reinterpret_cast<__m256i*>(row + q);
            const __m256i add = _mm256_load_si256(reinterpret_cast<const __m256i*>(glow.rows[r] + q));
            _mm256_storeu_si256(target, _mm256_adds_epu8(_mm256_loadu_si256(target), add));
        }
    }
}
