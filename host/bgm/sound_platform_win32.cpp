#include "sound_platform_win32.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <mmsystem.h>

#include <algorithm>
#include <vector>

#include "ansi_text_win32.h"

namespace {

std::string TextOf(const char* buffer, uint32_t length) {
    return std::string(buffer, std::find(buffer, buffer + length, '\0'));
}

// Text and its NUL into a buffer of length bytes (length > 0), cut to fit.
void PutText(const std::string& text, char* buffer, uint32_t length) {
    const size_t size = std::min<size_t>(text.size(), length - 1);
    std::copy_n(text.data(), size, buffer);
    buffer[size] = '\0';
}

// Code-page text grows when it becomes UTF-8; a cut must not split a character.
std::string FitUtf8(std::string text, uint32_t length) {
    size_t size = std::min<size_t>(text.size(), length - 1);
    while (size > 0 && size < text.size() && (static_cast<unsigned char>(text[size]) & 0xC0) == 0x80) {
        --size;
    }
    text.resize(size);
    return text;
}

// The platform writes code-page text into a copy of the caller's buffer; the copy starts as the
// buffer's own text, so a call that writes nothing leaves that text as it was.
class AnsiBuffer {
  public:
    AnsiBuffer(char* utf8, uint32_t length) : utf8_(utf8), ansi_(length, '\0') {
        PutText(ToAnsi(TextOf(utf8, length)), ansi_.data(), length);
    }
    char* data() { return ansi_.data(); }
    void CopyBack() {
        const uint32_t length = static_cast<uint32_t>(ansi_.size());
        PutText(FitUtf8(FromAnsi(TextOf(ansi_.data(), length)), length), utf8_, length);
    }

  private:
    char* utf8_;
    std::vector<char> ansi_;
};

class Win32SoundPlatform final : public Vantor_BGM::SoundPlatform {
  public:
    int32_t MciSendString(const std::string& command, char* reply, uint32_t length) override {
        const std::string ansiCommand = ToAnsi(command);
        if (length == 0) {
            return static_cast<int32_t>(mciSendStringA(ansiCommand.c_str(), nullptr, 0, nullptr));
        }
        AnsiBuffer buffer(reply, length);
        const MCIERROR code = mciSendStringA(ansiCommand.c_str(), buffer.data(), length, nullptr);
        buffer.CopyBack();
        return static_cast<int32_t>(code);
    }

    int32_t MciGetErrorString(int32_t code, char* text, uint32_t length) override {
        AnsiBuffer buffer(text, length);
        const BOOL found = mciGetErrorStringA(static_cast<MCIERROR>(code), buffer.data(), length);
        buffer.CopyBack();
        return found;
    }

    int32_t WaveOutGetNumDevs() override { return static_cast<int32_t>(waveOutGetNumDevs()); }

    int32_t PlaySoundName(const char* name, uint32_t flags) override {
        if (name == nullptr) {
            return PlaySoundA(nullptr, nullptr, flags);
        }
        return PlaySoundA(ToAnsi(name).c_str(), nullptr, flags);
    }
};

}  // namespace

Vantor_BGM::SoundPlatform& SystemSoundPlatform() {
    static Win32SoundPlatform platform;
    return platform;
}
