#pragma once
// The frame's operations in their plainest scalar form, one step after the other as the renderer
// defines them. The production path must give exactly the same bytes; tests and the benchmark
// compare against these.
#include <cstdint>

#include "../frame.h"

// Reads the clock six times, like BuildPalettes, and fills the given palettes.
void ReferenceBuildPalettes(PaletteEntry* corner, PaletteEntry* axis);
// Clears frame and draws the figure from the clock and the given palettes.
void ReferenceDrawFigure(PaletteEntry* frame, const PaletteEntry* corner, const PaletteEntry* axis);
void ReferenceBlendSprite(PaletteEntry* frame, int32_t position, PaletteEntry colour);
