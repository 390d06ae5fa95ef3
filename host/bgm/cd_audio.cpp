#include <charconv>
#include <cmath>
#include <optional>

#include "bgm_platform.h"
#include "host_text.h"
#include "vantor_b.h"
#include "vantor_bgm.h"

namespace Vantor_BGM {

int16_t CdPollActive = 0;
std::array<char, 255> CdModeBuffer{};

namespace {

constexpr int16_t True = -1;
constexpr int16_t False = 0;

bool IsError(const std::string& reply) {
    return Vantor_B::UpperAscii(reply).find("ERR") != std::string::npos;
}

// The reply as the number it spells (blanks around it allowed); nothing when it spells none.
std::optional<double> ReadNumber(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return std::nullopt;
    }
    const size_t last = text.find_last_not_of(' ');
    double value = 0;
    const char* end = text.data() + last + 1;
    const auto [stop, error] = std::from_chars(text.data() + first, end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

void CdOpen() {
    SendString("open cdaudio", nullptr, 0);
    SendString("set cdaudio time format tmsf", nullptr, 0);
}

void CdPoll() {
    CdPollActive = True;
    const std::string current = MciQuery("status cdaudio current track");
    if (IsError(current) || IsError(MciQuery("status cdaudio number of tracks"))) {
        CdPollActive = False;
        return;
    }
    SendString("status cdaudio mode", CdModeBuffer);
    const bool stopped = BufferStartsWith(CdModeBuffer, "stopped");

    if (Vantor_B::BgmRepeatTrack == 0) {
        if (stopped) {
            MciPlay("cdaudio", "", "");
        }
        return;
    }
    const std::optional<double> track = ReadNumber(current);
    if (!track) {
        CdPollActive = False;
        return;
    }
    if (stopped || *track != Vantor_B::BgmRepeatTrack) {
        const std::string position =
            MciQuery("status cdaudio position track " + std::to_string(Vantor_B::BgmRepeatTrack));
        MciPlay("cdaudio", position, "");
    }
}

void CdClose() {
    SendString("stop cdaudio", nullptr, 0);
    SendString("close cdaudio", nullptr, 0);
}

}  // namespace Vantor_BGM
