#include "quoted_text.h"

std::string Quoted(std::string_view text) {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    std::string quoted = "'";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            quoted += {'\\', 'x', kHexDigits[byte >> 4], kHexDigits[byte & 0xF]};
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}
