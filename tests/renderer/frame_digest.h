#pragma once
// Digests of the palettes and the frame for a table of moments: a build on another system (the
// Windows programs' core under Wine) is checked against the reference renderer's table without
// carrying frames around.
#include <cstdint>
#include <string>
#include <vector>

#include "frame.h"

struct FrameMoment {
    uint32_t seed;
    uint32_t time;
};

// A few seeds at the clock's edges (0, 2^31 - 1, 2^31, 2^32 - 1 among them), then random moments.
std::vector<FrameMoment> DigestMoments();

// 64-bit FNV-1a over the pixels' bytes.
uint64_t PixelDigest(const PaletteEntry* pixels, int count);

// "seed=S time=T corner=HEX axis=HEX frame=HEX", one line of the table.
std::string DigestLine(const FrameMoment& moment, const PaletteEntry* corner, const PaletteEntry* axis,
                       const PaletteEntry* frame);
