#include <immintrin.h>

#include "sprite_kernels.h"

namespace {

// Byte shuffles that spread sprite elements into 16-bit channel slots, four slots per pixel.
// Lane 0 of a mask takes two pixels and lane 1 the two pixels four further on, so that packing
// the results of masks n and n + 1 lines the eight pixels up in order.
struct SpreadMask {
    int8_t bytes[32];
};

constexpr SpreadMask SpreadFrom(int firstPixel) {
    SpreadMask mask{};
    for (int lane = 0; lane < 2; ++lane) {
        for (int word = 0; word < 8; ++word) {
            mask.bytes[lane * 16 + word * 2] = static_cast<int8_t>(firstPixel + lane * 4 + word / 4);
            mask.bytes[lane * 16 + word * 2 + 1] = -128;  // high byte zero
        }
    }
    return mask;
}

constexpr SpreadMask kSpreadMasks[4] = {SpreadFrom(0), SpreadFrom(2), SpreadFrom(8), SpreadFrom(10)};

// Always inlined, even unoptimised: a call would pass the vectors through stack slots that MinGW
// aligns to 16 bytes only, where 32-byte loads fault.
__attribute__((target("avx2"), always_inline)) inline __m256i TintSpread(__m256i elements, int mask,
                                                                         __m256i channels) {
    const __m256i spread = _mm256_shuffle_epi8(
        elements, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(kSpreadMasks[mask].bytes)));
    return _mm256_srli_epi16(_mm256_mullo_epi16(spread, channels), 8);
}

}  // namespace

__attribute__((target("avx2"))) void TintGlowSpriteAvx2(PaletteEntry colour, TintedSprite& glow) {
    const __m256i channels =
        _mm256_set_epi16(0, colour.red, colour.green, colour.blue, 0, colour.red, colour.green, colour.blue,
                         0, colour.red, colour.green, colour.blue, 0, colour.red, colour.green, colour.blue);
    for (int r = 0; r < kSpriteSize; ++r) {
        const __m256i elements =
            _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(GlowSprite[r])));
        for (int half = 0; half < 2; ++half) {
            const __m256i first = TintSpread(elements, half * 2, channels);
            const __m256i second = TintSpread(elements, half * 2 + 1, channels);
            _mm256_store_si256(reinterpret_cast<__m256i*>(glow.rows[r] + half * 32),
                               _mm256_packus_epi16(first, second));
        }
    }
}

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
