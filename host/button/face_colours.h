#pragma once
// The two colours of a face gradient, kept as colour texts and read channel by channel.
#include <cstdint>
#include <string_view>

namespace Vantor {

struct FaceColour {
    uint16_t red = 0, green = 0, blue = 0;
    bool operator==(const FaceColour&) const = default;
};

inline constexpr std::string_view FaceLightText = "&HFFFFFF";
inline constexpr std::string_view FaceShadeText = "&HC6C5D7";

// The digit pairs of the colour text, first pair red, each put into the high byte of a 16-bit channel.
// This is not the platform's colour-number byte order. A text that is no hexadecimal number gives black.
FaceColour ColourFromText(std::string_view text);

inline FaceColour FaceLight() {
    return ColourFromText(FaceLightText);
}
inline FaceColour FaceShade() {
    return ColourFromText(FaceShadeText);
}

}  // namespace Vantor
