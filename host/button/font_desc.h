#pragma once
// A caption font as the control keeps it: the whole font, not only its name and size.
#include <cstdint>
#include <string>

namespace Vantor {

inline constexpr uint8_t ShiftJisCharset = 128;

struct FontDesc {
    std::string name;  // UTF-8
    double points = 0;
    int32_t weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    uint8_t charset = 0;
    bool operator==(const FontDesc&) const = default;
};

// The font of the dialog and of a new button: "ＭＳ Ｐゴシック" 9.75 pt, normal weight, Japanese.
inline FontDesc DialogFont() {
    return {"ＭＳ Ｐゴシック", 9.75, 400, false, false, false, ShiftJisCharset};
}

}  // namespace Vantor
