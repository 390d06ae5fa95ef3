#pragma once
// Which window pixels show an area of the frame stretched to the window's size.
#include <cstdint>

#include "frame_changes.h"

// Every window pixel whose sample falls in the frame area, wherever in the pixel it is taken and however
// the 16.16 fixed-point step rounds: the area's edges scaled, rounded outwards and a pixel more, within
// the window. A pixel too many only shows again what it shows.
PixelArea WindowAreaOf(const PixelArea& frameArea, int32_t width, int32_t height);

bool Overlap(const PixelArea& a, const PixelArea& b);
