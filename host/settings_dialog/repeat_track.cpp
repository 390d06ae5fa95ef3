#include "repeat_track.h"

#include "numeric_text.h"

namespace Vantor_P {

std::string FormatTrack(int32_t track) {
    return track == 0 ? std::string() : std::to_string(track);
}

std::vector<std::string> TrackList() {
    std::vector<std::string> list;
    for (int32_t track = 0; track <= 30; ++track) {
        list.push_back(FormatTrack(track));
    }
    return list;
}

int16_t TrackFromText(const std::string& text) {
    const std::optional<double> value = Vantor_B::DecimalNumber(text);
    return value ? Vantor_B::RoundToInt16(*value).value_or(0) : 0;
}

}  // namespace Vantor_P
