#include "paint_gradient.h"

#include <cmath>

namespace Vantor_P {

int32_t GradientLevel(int32_t y, double height) {
    const double k = height / 3.142;
    return static_cast<int32_t>(std::nearbyint(std::fabs(std::sin(y / k)) * 220));
}

std::vector<uint32_t> GradientRows(double height, GradientSurface surface) {
    std::vector<uint32_t> rows;
    if (height <= 0) {
        return rows;  // a collapsed surface has no rows, and no level: y / 0
    }
    const int32_t last = static_cast<int32_t>(std::nearbyint(height));
    for (int32_t y = 0; y <= last; ++y) {
        const uint32_t v = static_cast<uint32_t>(GradientLevel(y, height));
        const uint32_t grey = surface == GradientSurface::Window ? v : v + 30;
        rows.push_back(grey << 16 | grey << 8 | (v + 30));
    }
    return rows;
}

}  // namespace Vantor_P
