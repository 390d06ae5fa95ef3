#include "vantor_b_zoom.h"

#include "host_platform.h"
#include "vantor_b.h"

namespace Vantor_B {

ScreenPoint16 ZoomAnchor;

namespace {

WindowRect AnchorRect() {
    return {ZoomAnchor.x, ZoomAnchor.y, ZoomAnchor.x, ZoomAnchor.y};
}

}  // namespace

void ZoomOpen(intptr_t window) {
    HostPlatform& platform = Platform();
    WindowRect to;
    platform.GetWindowRect(window, to);
    platform.DrawAnimatedRects(window, CaptionAnimation, AnchorRect(), to);
}

void ZoomClose(intptr_t window) {
    HostPlatform& platform = Platform();
    WindowRect from;
    platform.GetWindowRect(window, from);
    platform.DrawAnimatedRects(window, CaptionAnimation, from, AnchorRect());
}

}  // namespace Vantor_B
