#include "noise.h"

#include <utility>

#include "clock_and_seed.h"

uint32_t RandomState;
int32_t NoisePermutation[kNoiseTableSize];
double NoiseSlopes[kNoiseTableSize];

double NextRandom() {
    RandomState = RandomState * 134775813u + 1u;
    return RandomState * 0x1p-32;
}

void InitNoiseTables(uint32_t seed) {
    RandomState = seed != 0 ? seed : ReadSeedCounter();
    for (int i = 0; i < kNoiseTableSize; ++i) {
        NoisePermutation[i] = i;
        const double r = NextRandom();
        NoiseSlopes[i] = (static_cast<int32_t>(r * 2 * kNoiseTableSize) - kNoiseTableSize) /
                         static_cast<double>(kNoiseTableSize);
    }
    // Every index may swap with any other, not only with later ones.
    for (int k = 0; k < kNoiseTableSize; ++k) {
        const int32_t j = static_cast<int32_t>(NextRandom() * kNoiseTableSize);
        std::swap(NoisePermutation[k], NoisePermutation[j]);
    }
}

double GradientNoise(double x) {
    const double shifted = x + kNoiseLookupOffset;
    const int64_t whole = static_cast<int64_t>(shifted);
    const int64_t i0 = whole & kNoiseIndexMask;
    const int64_t i1 = (i0 + 1) & kNoiseIndexMask;
    const double f = shifted - static_cast<double>(whole);
    const double a = f * NoiseSlopes[NoisePermutation[i0]];
    const double b = (f - 1) * NoiseSlopes[NoisePermutation[i1]];
    const double s = f * f * (3 - 2 * f);
    return a + (b - a) * s;
}

double OctaveNoise(double x, int octaves) {
    double sum = 0;
    double amplitude = 1;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += amplitude * GradientNoise(x);
        x *= 2;
        amplitude *= 0.5;
    }
    return sum;
}

double ChannelExponent(double n) {
    return n >= 0 ? 1 + 4 * n : 1 / (1 - n);
}
