#include "test_sounds.h"

#include <cmath>
#include <string_view>

namespace {

void Put(std::vector<uint8_t>& out, std::string_view text) {
    for (const char c : text) {
        out.push_back(static_cast<uint8_t>(c));
    }
}

void PutLittle(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

}  // namespace

std::vector<uint8_t> ToneWav(uint32_t milliseconds) {
    constexpr uint32_t rate = 22050;
    const uint32_t samples = rate * milliseconds / 1000;
    std::vector<uint8_t> out;
    Put(out, "RIFF");
    PutLittle(out, 36 + samples * 2, 4);
    Put(out, "WAVEfmt ");
    PutLittle(out, 16, 4);
    PutLittle(out, 1, 2);  // PCM
    PutLittle(out, 1, 2);  // mono
    PutLittle(out, rate, 4);
    PutLittle(out, rate * 2, 4);  // bytes per second
    PutLittle(out, 2, 2);         // block align
    PutLittle(out, 16, 2);        // bits per sample
    Put(out, "data");
    PutLittle(out, samples * 2, 4);
    for (uint32_t i = 0; i < samples; ++i) {
        const double value = 8000.0 * std::sin(2.0 * 3.141592653589793 * 440.0 * i / rate);
        PutLittle(out, static_cast<uint32_t>(static_cast<int32_t>(std::nearbyint(value))), 2);
    }
    return out;
}

std::vector<uint8_t> SilentMp3(uint32_t frames) {
    // Header FF FB 90 C4: sync, MPEG-1, layer III, no CRC, 128 kbit/s, 44100 Hz, no padding, mono.
    // 144 * 128000 / 44100 = 417 bytes a frame; zero side information and main data decode to silence.
    constexpr size_t frameBytes = 417;
    std::vector<uint8_t> frame(frameBytes, 0);
    frame[0] = 0xFF;
    frame[1] = 0xFB;
    frame[2] = 0x90;
    frame[3] = 0xC4;
    std::vector<uint8_t> out;
    for (uint32_t f = 0; f < frames; ++f) {
        out.insert(out.end(), frame.begin(), frame.end());
    }
    return out;
}
