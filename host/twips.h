#pragma once
// Form geometry is kept in twips; the screen says how many make one pixel (15 at 96 dots per inch).
#include <cmath>
#include <cstdint>

namespace Vantor_B {

// Whole pixels, to the nearest, ties to even.
inline int32_t PixelsFromTwips(double twips, double twipsPerPixel) {
    return static_cast<int32_t>(std::nearbyint(twips / twipsPerPixel));
}

}  // namespace Vantor_B
