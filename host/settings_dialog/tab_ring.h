#pragma once
// Tab and Shift+Tab in the settings dialog go round the controls in the order of their tab indexes.
#include <functional>
#include <string_view>

namespace Vantor_P {

// The control that Tab (Shift+Tab: backwards) moves the focus to from `current`: the next one by tab index,
// round the ring, that can take the focus now (labels never can). With `current` empty (no focus) Tab starts
// at the first and Shift+Tab at the last control; empty when no control can take the focus.
std::string_view NextTabStop(std::string_view current, bool backwards,
                             const std::function<bool(std::string_view name)>& canTakeFocus);

}  // namespace Vantor_P
