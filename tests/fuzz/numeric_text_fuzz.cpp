// Numbers by the locale's numeric rules (settings values, the track box) and the host's number prefix.
#include <cmath>
#include <cstdio>
#include <string>

#include "fuzz_input.h"
#include "numeric_text.h"
#include "repeat_track.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace Vantor_B;
    using fuzz::Require;
    const std::string text(reinterpret_cast<const char*>(data), size);

    Require(!std::isnan(NumericPrefix(text)), "a prefix is a number", text);
    if (const std::optional<double> number = DecimalNumber(text)) {
        const double value = *number;
        Require(!std::isnan(value), "a decimal number is a number", text);
        Require(DecimalNumber(" \t" + text + "\t ") == value, "blanks around a number count for nothing",
                text);
        Require(NumericPrefix(text) == value, "the prefix of a whole number is that number", text);
        std::string dExponent = text;
        for (char& c : dExponent) {
            if (c == 'e' || c == 'E') {
                c = 'D';
            }
        }
        Require(DecimalNumber(dExponent) == value, "D is an exponent like E", text);
        if (std::isfinite(value)) {
            char printed[40];
            std::snprintf(printed, sizeof printed, "%.17g", value);
            Require(DecimalNumber(printed) == value, "a number prints back to itself", text);
        }
        if (const std::optional<int16_t> whole = SettingsInteger(text)) {
            Require(*whole <= value && value < *whole + 1.0, "a settings value is the number rounded down",
                    text);
        } else {
            Require(!(std::floor(value) >= -32768 && std::floor(value) <= 32767),
                    "a settings value in range is taken", text);
        }
    } else {
        Require(!SettingsInteger(text), "a settings value is a number", text);
        Require(Vantor_P::TrackFromText(text) == 0, "a track box text that is no number is track 0", text);
    }

    // What the program writes, it reads back.
    const int16_t given = static_cast<int16_t>(fuzz::Word(text));
    Require(SettingsInteger(std::to_string(given)) == given, "a stored settings value reads back", text);
    Require(Vantor_P::TrackFromText(Vantor_P::FormatTrack(given)) == given, "a shown track reads back", text);
    return 0;
}
