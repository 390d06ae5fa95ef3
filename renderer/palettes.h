#pragma once
// The two colour ramps, rebuilt from the clock once per frame.

inline constexpr int kPaletteSize = 256;
// Noise offsets of the first channel (red) of each palette; green and blue follow.
inline constexpr int kCornerNoiseOffset = 0;
inline constexpr int kAxisNoiseOffset = 3;

void BuildPalettes();
