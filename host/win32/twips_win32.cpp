#include "twips_win32.h"

#include <windows.h>

namespace Vantor_B {
namespace {

double ScreenTwipsPerPixel(int axis) {
    constexpr double TwipsPerInch = 1440;
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) {
        return 15;
    }
    const int dotsPerInch = GetDeviceCaps(screen, axis);
    ReleaseDC(nullptr, screen);
    return dotsPerInch > 0 ? TwipsPerInch / dotsPerInch : 15;
}

}  // namespace

double TwipsPerPixelX() {
    return ScreenTwipsPerPixel(LOGPIXELSX);
}

double TwipsPerPixelY() {
    return ScreenTwipsPerPixel(LOGPIXELSY);
}

}  // namespace Vantor_B
