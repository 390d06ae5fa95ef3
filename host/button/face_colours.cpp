#include "face_colours.h"

#include <charconv>
#include <cstdio>

namespace Vantor {

FaceColour ColourFromText(std::string_view text) {
    if (text.starts_with("&H") || text.starts_with("&h")) {
        text.remove_prefix(2);
    }
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size() || value > 0xFFFFFF) {
        return {};
    }
    // Back to six upper-case digits, then each pair followed by "00".
    char digits[7];
    std::snprintf(digits, sizeof digits, "%06X", static_cast<unsigned>(value));
    const auto channel = [&](int pair) {
        unsigned byte = 0;
        std::from_chars(digits + 2 * pair, digits + 2 * pair + 2, byte, 16);
        return static_cast<uint16_t>(byte << 8);
    };
    return {channel(0), channel(1), channel(2)};
}

}  // namespace Vantor
