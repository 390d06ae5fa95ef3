#include "bgm_platform.h"
#include "vantor_b.h"
#include "vantor_bgm.h"

namespace Vantor_BGM {

std::array<char, 30> Mp3ModeBuffer{};

namespace {

constexpr uint32_t SND_ASYNC = 1;
constexpr uint32_t SND_LOOP = 8;

}  // namespace

void Mp3Open() {
    // The quotes keep a path with spaces in one piece.
    const std::string open = "open \"" + Vantor_B::BgmFile + "\" type MPEGVideo Alias MP3Play";
    if (SendString(open, nullptr, 0) == 0) {
        SendString("play MP3Play", nullptr, 0);
    }
}

bool Mp3IsPlaying() {
    SendString("status MP3Play mode", Mp3ModeBuffer);
    return BufferStartsWith(Mp3ModeBuffer, "playing");
}

void Mp3Poll() {
    if (Mp3IsPlaying()) {
        return;
    }
    SendString("stop MP3Play", nullptr, 0);
    SendString("play MP3Play from 0", nullptr, 0);
}

void Mp3Close() {
    SendString("stop MP3Play", nullptr, 0);
    SendString("close MP3Play", nullptr, 0);
}

void WavPlay() {
    Vantor_B::LastApiResult = Platform().WaveOutGetNumDevs();
    if (Vantor_B::LastApiResult <= 0) {
        return;
    }
    Vantor_B::LastApiResult = Platform().PlaySoundName(Vantor_B::BgmFile.c_str(), SND_ASYNC | SND_LOOP);
}

void WavStop() {
    Vantor_B::LastApiResult = Platform().PlaySoundName(nullptr, 0);
}

}  // namespace Vantor_BGM
