#pragma once
// The screen's twips per pixel, as the host's forms convert their geometry.
#include "twips.h"

namespace Vantor_B {

double TwipsPerPixelX();
double TwipsPerPixelY();

}  // namespace Vantor_B
