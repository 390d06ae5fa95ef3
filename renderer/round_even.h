#pragma once
// Rounding to nearest, ties to even, in one instruction: the conversion follows the default
// rounding mode exactly as std::nearbyint does, for every value the renderer rounds.
#include <emmintrin.h>

#include <cstdint>

inline int32_t RoundToEven(double x) {
    return _mm_cvtsd_si32(_mm_set_sd(x));
}
