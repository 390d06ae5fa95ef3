#pragma once
// The winmm calls of the music module. Implemented by sound_platform_win32.cpp, faked by tests/bgm's
// RecordingPlatform. Texts are UTF-8 on both sides of this seam; the real platform converts them to and
// from the system code page. A reply buffer is written as the platform writes it (NUL-terminated text)
// and keeps its earlier content where nothing is written.
#include <cstdint>
#include <string>

namespace Vantor_BGM {

struct SoundPlatform {
    virtual ~SoundPlatform() = default;
    // mciSendString with no notification window; reply may be null when length is 0.
    virtual int32_t MciSendString(const std::string& command, char* reply, uint32_t length) = 0;
    // mciGetErrorString: non-zero when the text was found.
    virtual int32_t MciGetErrorString(int32_t code, char* text, uint32_t length) = 0;
    virtual int32_t WaveOutGetNumDevs() = 0;
    // PlaySound with no module; a null name stops the current sound. Non-zero on success.
    virtual int32_t PlaySoundName(const char* name, uint32_t flags) = 0;
};

}  // namespace Vantor_BGM
