#pragma once
// The caption-zoom helpers of module Vantor_B: the settings dialog grows out of the point where the
// cursor was when it loaded, and shrinks back into that point when it closes.
#include <cstdint>

#include "host_platform.h"

namespace Vantor_B {

struct ScreenPoint16 {
    int16_t x = 0, y = 0;
    bool operator==(const ScreenPoint16&) const = default;
};

// Set by the dialog's load, read again when it unloads.
extern ScreenPoint16 ZoomAnchor;

inline constexpr int32_t CaptionAnimation = 3;  // IDANI_CAPTION

class ZoomPlatform {
  public:
    virtual ~ZoomPlatform() = default;
    // False (rectangle untouched) when the rectangle cannot be read.
    virtual bool GetWindowRect(intptr_t window, WindowRect& rect) = 0;
    virtual void DrawAnimatedRects(intptr_t window, int32_t animation, const WindowRect& from,
                                   const WindowRect& to) = 0;
};

void ZoomOpen(intptr_t window, ZoomPlatform& platform);
void ZoomClose(intptr_t window, ZoomPlatform& platform);

}  // namespace Vantor_B
