#include "repeat_track.h"

#include <charconv>

#include "numeric_text.h"

namespace Vantor_P {

std::string FormatTrack(int32_t track) {
    return track == 0 ? std::string() : std::to_string(track);
}

std::vector<std::string> TrackList() {
    std::vector<std::string> list;
    for (int32_t track = 0; track <= 30; ++track) list.push_back(FormatTrack(track));
    return list;
}

int16_t TrackFromText(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return 0;
    const size_t last = text.find_last_not_of(" \t");
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    if (*begin == '+' && end - begin > 1 && begin[1] != '-') ++begin;  // one sign only: "+-5" is no number
    double value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value, std::chars_format::general);
    if (begin == end || error != std::errc() || stop != end) return 0;
    return Vantor_B::RoundToInt16(value).value_or(0);
}

}  // namespace Vantor_P
