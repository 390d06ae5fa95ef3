#pragma once
// What the parts of the music module share: the installed platform, the module's reply buffers and the
// fixed-buffer helpers.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "sound_platform.h"

namespace Vantor_BGM {

SoundPlatform& Platform();

// The module's reply buffers live as long as the process and keep what the platform last wrote into
// them: a query that writes nothing leaves the previous reply in place. Blank at start, so the first
// poll never reads a mode.
extern std::array<char, 512> MciReplyBuffer;
extern std::array<char, 256> MciErrorBuffer;
extern std::array<char, 255> CdModeBuffer;
extern std::array<char, 30> Mp3ModeBuffer;

// mciSendString straight to the platform; the code also goes to LastApiResult.
int32_t SendString(const std::string& command, char* reply, uint32_t length);

template <size_t N>
int32_t SendString(const std::string& command, std::array<char, N>& reply) {
    return SendString(command, reply.data(), static_cast<uint32_t>(N));
}

// Mode replies are compared on the buffer's first characters, not on its text up to the NUL.
template <size_t N>
bool BufferStartsWith(const std::array<char, N>& buffer, std::string_view word) {
    return word.size() <= N && std::equal(word.begin(), word.end(), buffer.begin());
}

// A fixed buffer's text ends at its first NUL, or at its end when it holds none.
template <size_t N>
std::string BufferText(const std::array<char, N>& buffer) {
    return std::string(buffer.begin(), std::find(buffer.begin(), buffer.end(), '\0'));
}

}  // namespace Vantor_BGM
