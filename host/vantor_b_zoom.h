#pragma once
// The caption-zoom helpers of module Vantor_B: the settings dialog grows out of the point where the
// cursor was when it loaded, and shrinks back into that point when it closes.
#include <cstdint>

namespace Vantor_B {

struct ScreenPoint16 {
    int16_t x = 0, y = 0;
    bool operator==(const ScreenPoint16&) const = default;
};

// Set by the dialog's load, read again when it unloads.
extern ScreenPoint16 ZoomAnchor;

inline constexpr int32_t CaptionAnimation = 3;  // IDANI_CAPTION

// A rectangle that cannot be read animates as an empty one at the screen's corner.
void ZoomOpen(intptr_t window);
void ZoomClose(intptr_t window);

}  // namespace Vantor_B
