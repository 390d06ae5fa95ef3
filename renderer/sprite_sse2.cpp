#include <emmintrin.h>

#include "sprite_kernels.h"

namespace {
// Two pixels' channels: every word of elementPairs holds its pixel's sprite element.
__m128i TintPair(__m128i elementPairs, __m128i channels) {
    return _mm_srli_epi16(_mm_mullo_epi16(elementPairs, channels), 8);
}
}  // namespace

void TintGlowSpriteSse2(PaletteEntry colour, TintedSprite& glow) {
    // Byte 3 of the sprite stays 0 whatever the colour carries there.
    const __m128i channels =
        _mm_set_epi16(0, colour.red, colour.green, colour.blue, 0, colour.red, colour.green, colour.blue);
    const __m128i zero = _mm_setzero_si128();
    for (int r = 0; r < kSpriteSize; ++r) {
        const __m128i elements = _mm_loadu_si128(reinterpret_cast<const __m128i*>(GlowSprite[r]));
        const __m128i halves[2] = {_mm_unpacklo_epi8(elements, zero), _mm_unpackhi_epi8(elements, zero)};
        for (int h = 0; h < 2; ++h) {
            const __m128i doubled[2] = {_mm_unpacklo_epi16(halves[h], halves[h]),
                                        _mm_unpackhi_epi16(halves[h], halves[h])};
            for (int d = 0; d < 2; ++d) {
                const __m128i first = TintPair(_mm_unpacklo_epi32(doubled[d], doubled[d]), channels);
                const __m128i second = TintPair(_mm_unpackhi_epi32(doubled[d], doubled[d]), channels);
                _mm_store_si128(reinterpret_cast<__m128i*>(glow.rows[r] + (h * 2 + d) * 16),
                                _mm_packus_epi16(first, second));
            }
        }
    }
}

void BlendSpriteSse2(int32_t position, const TintedSprite& glow) {
    uint8_t* row = SpriteTarget(position);
    for (int r = 0; r < kSpriteSize; ++r, row += kFrameRowBytes) {
        for (int q = 0; q < kSpriteRowBytes; q += 16) {
            __m128i* target = reinterpret_cast<__m128i*>(row + q);
            const __m128i add = _mm_load_si128(reinterpret_cast<const __m128i*>(glow.rows[r] + q));
            _mm_storeu_si128(target, _mm_adds_epu8(_mm_loadu_si128(target), add));
        }
    }
}
