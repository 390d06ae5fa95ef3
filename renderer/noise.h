#pragma once
// Random generator, gradient noise and the tables behind it.
#include <cstdint>

inline constexpr int kNoiseTableSize = 256;
inline constexpr int kNoiseIndexMask = 255;
inline constexpr double kNoiseLookupOffset = 4096;
inline constexpr int kNoiseOctaves = 3;

extern uint32_t RandomState;
extern int32_t NoisePermutation[kNoiseTableSize];
extern double NoiseSlopes[kNoiseTableSize];

// Seed 0 takes the state from the platform's seed counter, so every run differs.
void InitNoiseTables(uint32_t seed);
// Next value of the generator, in [0, 1).
double NextRandom();
// One-dimensional gradient noise; zero at whole arguments, at most 0.5 in magnitude.
double GradientNoise(double x);
double OctaveNoise(double x, int octaves);
// Gamma exponent for a noise value: 1 at 0, up to 4.5 above, down to about 0.533 below.
double ChannelExponent(double n);
