#include "numeric_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace Vantor_B {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsExponentMarker(char c) {
    return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

size_t SkipDigits(const std::string& text, size_t at) {
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    return at;
}

// For a number a double cannot hold: whether it lies beyond the largest double rather than below the
// smallest. The mantissa is never zero then, so it lies in [10^(place-1), 10^place) before the exponent.
bool BeyondLargest(const std::string& number) {
    const size_t marker = std::min(number.find('e'), number.size());
    const size_t point = std::min(number.find('.'), marker);
    const size_t first = number.find_first_not_of("0.");
    const int64_t place = first < point ? static_cast<int64_t>(point - first)
                                        : static_cast<int64_t>(point) - static_cast<int64_t>(first) + 1;
    int exponent = 0;
    if (marker < number.size() &&
        std::from_chars(number.data() + marker + 1, number.data() + number.size(), exponent).ec ==
            std::errc::result_out_of_range) {
        return number[marker + 1] != '-';
    }
    return place + exponent > 0;
}

// Reads [sign] digits [. digits] [E|D [sign] digits] from the start of the text; an exponent marker
// without digits is not part of the number. Returns nothing when there are no mantissa digits.
std::optional<double> ScanDecimal(const std::string& text, size_t& end) {
    size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at++] == '-';
    }
    const size_t intStart = at;
    at = SkipDigits(text, at);
    std::string number = text.substr(intStart, at - intStart);
    if (at < text.size() && text[at] == '.') {
        const size_t fracStart = at + 1;
        at = SkipDigits(text, fracStart);
        number += '.' + text.substr(fracStart, at - fracStart);
    }
    if (number.empty() || number == ".") {
        return std::nullopt;
    }
    if (at < text.size() && IsExponentMarker(text[at])) {
        const size_t signAt = at + 1;
        const bool signed_ = signAt < text.size() && (text[signAt] == '+' || text[signAt] == '-');
        const size_t digitsStart = signAt + (signed_ ? 1 : 0);
        const size_t digitsEnd = SkipDigits(text, digitsStart);
        if (digitsEnd > digitsStart) {
            number += (signed_ && text[signAt] == '-') ? "e-" : "e";
            number += text.substr(digitsStart, digitsEnd - digitsStart);
            at = digitsEnd;
        }
    }
    end = at;
    double value = 0;
    const auto [ptr, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range && ptr == number.data() + number.size()) {
        // Too large for a double reads as infinite, so no integer can hold it; too close to zero reads as 0.
        value = BeyondLargest(number) ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

double RadixPrefix(const std::string& digits, int radix) {
    double value = 0;
    for (char c : digits) {
        const int upper = std::toupper(static_cast<unsigned char>(c));
        const int digit = IsDigit(c) ? c - '0' : (upper >= 'A' && upper <= 'F') ? upper - 'A' + 10 : radix;
        if (digit >= radix) {
            break;
        }
        value = value * radix + digit;
    }
    if (value <= 0xFFFF) {
        return value >= 0x8000 ? value - 0x10000 : value;
    }
    if (value <= 0xFFFFFFFFu) {
        return value >= 0x80000000u ? value - 4294967296.0 : value;
    }
    return value;
}

}  // namespace

double NumericPrefix(const std::string& text) {
    std::string compact;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            compact += c;
        }
    }
    if (compact.size() >= 2 && compact[0] == '&') {
        const char prefix = static_cast<char>(std::toupper(static_cast<unsigned char>(compact[1])));
        if (prefix == 'H') {
            return RadixPrefix(compact.substr(2), 16);
        }
        if (prefix == 'O') {
            return RadixPrefix(compact.substr(2), 8);
        }
        return 0;
    }
    size_t end = 0;
    return ScanDecimal(compact, end).value_or(0);
}

std::optional<int32_t> RoundToInt32(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        return std::nullopt;
    }
    return static_cast<int32_t>(rounded);
}

std::optional<int16_t> RoundToInt16(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) {
        return std::nullopt;
    }
    return static_cast<int16_t>(rounded);
}

std::optional<double> DecimalNumber(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::nullopt;
    }
    const std::string trimmed = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    size_t end = 0;
    const std::optional<double> value = ScanDecimal(trimmed, end);
    if (!value || end != trimmed.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<int16_t> SettingsInteger(const std::string& text) {
    const std::optional<double> value = DecimalNumber(text);
    if (!value) {
        return std::nullopt;
    }
    const double whole = std::floor(*value);
    if (!(whole >= -32768.0 && whole <= 32767.0)) {
        return std::nullopt;
    }
    return static_cast<int16_t>(whole);
}

}  // namespace Vantor_B
