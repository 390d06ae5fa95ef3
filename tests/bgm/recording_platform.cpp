#include "recording_platform.h"

#include <algorithm>

#include "bgm_platform.h"
#include "vantor_bgm.h"

namespace {

void Write(const std::string& text, char* buffer, uint32_t length) {
    const std::string withNul = text + '\0';
    std::copy_n(withNul.data(), std::min<size_t>(withNul.size(), length), buffer);
}

}  // namespace

int32_t RecordingPlatform::MciSendString(const std::string& command, char* reply, uint32_t length) {
    calls.push_back("mci " + command + " |" + std::to_string(length));
    const auto found = answers.find(command);
    const MciAnswer answer = found == answers.end() ? MciAnswer{} : found->second;
    if (reply != nullptr && answer.writes) {
        Write(answer.reply, reply, length);
    }
    return answer.code;
}

int32_t RecordingPlatform::MciGetErrorString(int32_t code, char* text, uint32_t length) {
    calls.push_back("error " + std::to_string(code) + " |" + std::to_string(length));
    const auto found = errorTexts.find(code);
    if (found == errorTexts.end()) {
        return 0;
    }
    Write(found->second, text, length);
    return 1;
}

int32_t RecordingPlatform::WaveOutGetNumDevs() {
    calls.push_back("waveOutGetNumDevs");
    return deviceCount;
}

int32_t RecordingPlatform::PlaySoundName(const char* name, uint32_t flags) {
    calls.push_back("PlaySound " + std::string(name == nullptr ? "<null>" : name) + "|" +
                    std::to_string(flags));
    return playResult;
}

void ResetMusicModule() {
    Vantor_BGM::MciReplyBuffer.fill('\0');
    Vantor_BGM::MciErrorBuffer.fill('\0');
    Vantor_BGM::CdModeBuffer.fill('\0');
    Vantor_BGM::Mp3ModeBuffer.fill('\0');
    Vantor_BGM::CdPollActive = 0;
}
