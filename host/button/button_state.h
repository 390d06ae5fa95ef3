#pragma once
// The interaction state of a button and the skin pictures its faces are cut from.
#include <cstdint>

namespace Vantor {

enum class ButtonState : uint8_t {
    Uninitialised = 0,
    Normal = 1,
    HighLight = 2,
    Selected = 3,
    HighLightSelect = 4,
};

// The six skin pictures, in the order of the resources that hold them.
enum class Skin : uint8_t { Normal, HighLight, Pressed, Disable, Selected, HighLightSelect };
inline constexpr int SkinCount = 6;

}  // namespace Vantor
