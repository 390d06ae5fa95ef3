#pragma once
// The screen's twips per pixel (15 at 96 dots per inch), as the host's forms convert their geometry.
#include <windows.h>

namespace Vantor {

double ScreenTwipsPerPixel(int axis);  // LOGPIXELSX or LOGPIXELSY
inline double TwipsPerPixelX() {
    return ScreenTwipsPerPixel(LOGPIXELSX);
}
inline double TwipsPerPixelY() {
    return ScreenTwipsPerPixel(LOGPIXELSY);
}

}  // namespace Vantor
