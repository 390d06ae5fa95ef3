#include "vantor_r.h"

#include "argument_text.h"
#include "numeric_text.h"
#include "twips.h"
#include "vantor_b.h"

namespace Vantor_R {
namespace {

int32_t PixelsThroughTwips(int32_t pixels, double twipsPerPixel) {
    const int16_t twips = Vantor_B::RoundToInt16(twipsPerPixel * pixels).value_or(0);
    return Vantor_B::PixelsFromTwips(twips, twipsPerPixel);
}

}  // namespace

PixelSize PreviewSize(const Vantor_B::WindowRect& parent, double twipsPerPixelX, double twipsPerPixelY) {
    return {PixelsThroughTwips(parent.right - parent.left, twipsPerPixelX),
            PixelsThroughTwips(parent.bottom - parent.top, twipsPerPixelY)};
}

std::optional<Placement> Place() {
    Vantor_B::HostPlatform& platform = Vantor_B::Platform();
    const int32_t parent = Vantor_B::PreviewParentHandle(platform.ArgumentText());
    if (!platform.IsWindow(parent)) {
        platform.EndProcess();
        return std::nullopt;
    }
    Vantor_B::WindowRect rect;
    platform.GetWindowRect(parent, rect);
    return Placement{parent, PreviewSize(rect, platform.TwipsPerPixelX(), platform.TwipsPerPixelY())};
}

void Form_Unload() {
    Vantor_B::Platform().EndProcess();
}

}  // namespace Vantor_R
