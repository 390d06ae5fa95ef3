// The count reader of the X11 program's and the frame tool's options, against a plain model of it.
#include <optional>
#include <string>

#include "count_text.h"
#include "fuzz_input.h"

namespace {

// Digits (decimal, or hexadecimal after 0x) and nothing else, of a value that fits 32 bits.
std::optional<uint32_t> Model(std::string_view text) {
    uint64_t base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    uint64_t value = 0;
    for (char c : text) {
        uint64_t digit = 99;
        if (c >= '0' && c <= '9') {
            digit = static_cast<uint64_t>(c - '0');
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<uint64_t>(c - 'a' + 10);
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<uint64_t>(c - 'A' + 10);
        }
        if (digit >= base) {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > 0xFFFFFFFFu) {
            return std::nullopt;
        }
    }
    return static_cast<uint32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<uint32_t> count = ParseCount(text);
    fuzz::Require(count == Model(text), "the count is the digits' value, or nothing", text);
    for (const uint32_t value : {count.value_or(0), fuzz::Word(text)}) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%x", value);
        fuzz::Require(ParseCount(std::to_string(value)) == value, "a count prints back in decimal", text);
        fuzz::Require(ParseCount(hex) == value, "a count prints back in hexadecimal", text);
    }
    return 0;
}
