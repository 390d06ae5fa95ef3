#pragma once
// Test sounds made on the spot: a short looping tone as WAV and a second of silence as MP3.
#include <cstdint>
#include <vector>

// 16-bit mono PCM at 22050 Hz, a 440 Hz tone of the given length.
std::vector<uint8_t> ToneWav(uint32_t milliseconds);

// MPEG-1 Layer III, 128 kbit/s, 44100 Hz, mono: frames whose spectrum is all zero.
std::vector<uint8_t> SilentMp3(uint32_t frames);
