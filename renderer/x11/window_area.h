#pragma once
// Which window pixels show an area of the frame, stretched to the window's size by either way.
#include <cstdint>

#include "frame_changes.h"

// Every window pixel whose sample falls in the frame area, wherever in its pixel the stretch samples
// (the own stretch at the left edge, the server's at the centre, through a transform in 16.16 fixed
// point): the area's edges scaled, rounded outwards and a pixel more, within the window. A pixel too
// many shows what it shows anyway.
PixelArea WindowAreaOf(const PixelArea& frameArea, int32_t width, int32_t height);

bool Overlap(const PixelArea& a, const PixelArea& b);
