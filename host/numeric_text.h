#pragma once
// Numbers read from texts the host is given: the command line and the settings file.
#include <cstdint>
#include <optional>
#include <string>

namespace Vantor_B {

// The number at the start of a text: blanks, tabs and line feeds are skipped wherever they stand; then a
// sign, digits, a decimal point and an exponent (E or D) as far as they form a number, or &H / &O and
// hexadecimal / octal digits (a value that fits 16 bits reads as a signed 16-bit one, else one that fits
// 32 bits as a signed 32-bit one). 0 when the text starts with no number.
double NumericPrefix(const std::string& text);

// Nearest integer, ties to even; nothing when the rounded value does not fit.
std::optional<int32_t> RoundToInt32(double value);
std::optional<int16_t> RoundToInt16(double value);

// A number by the locale's numeric rules, as the settings file and the track box take it: the whole text,
// blanks and tabs around it allowed, one sign, digits with a decimal point, an exponent (E or D). Nothing
// for any other text.
std::optional<double> DecimalNumber(const std::string& text);

// A settings value: a decimal number rounded down. Nothing when it is no number or the whole number does
// not fit 16 bits.
std::optional<int16_t> SettingsInteger(const std::string& text);

}  // namespace Vantor_B
