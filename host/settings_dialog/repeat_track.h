#pragma once
// The repeat-track box: how a track number is shown, the list it offers and how its text is stored.
#include <cstdint>
#include <string>
#include <vector>

namespace Vantor_P {

// Digits without leading zeros; 0 gives the empty text.
std::string FormatTrack(int32_t track);

// The empty text, then "1" to "30".
std::vector<std::string> TrackList();

// A decimal number rounded to a whole number, ties to even; 0 for any other text and for a number beyond
// the 16-bit range, which no disc has as a track.
int16_t TrackFromText(const std::string& text);

}  // namespace Vantor_P
