#pragma once
// The painted backgrounds of the settings dialog: one colour per row, dark at the edges, light in the middle.
#include <cstdint>
#include <vector>

namespace Vantor_P {

enum class GradientSurface { Window, Panel };

// v for row y of a surface `height` rows high (above 0): |sin(y / (height / 3.142))| x 220, ties to even.
int32_t GradientLevel(int32_t y, double height);

// Colours 0x00RRGGBB for rows 0 up to the rounded height, inclusive: window RGB(v, v, v + 30), panel
// RGB(v + 30, v + 30, v + 30). None for a height of 0 or less.
std::vector<uint32_t> GradientRows(double height, GradientSurface surface);

}  // namespace Vantor_P
