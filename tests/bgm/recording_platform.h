#pragma once
// A sound platform that records every call as one line of text and answers from a script.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "sound_platform.h"

struct MciAnswer {
    int32_t code = 0;
    std::string reply;   // written with its NUL, cut to the buffer's length
    bool writes = true;  // false: the buffer is left untouched
};

class RecordingPlatform final : public Vantor_BGM::SoundPlatform {
  public:
    RecordingPlatform() : calls(ownCalls_) {}
    // Records into another fake's log, so that the lines of both come in the order of the calls.
    explicit RecordingPlatform(std::vector<std::string>& log) : calls(log) {}

    // Lines: "mci <command> |<length>", "error <code> |<length>", "waveOutGetNumDevs", "PlaySound
    // <name>|<flags>".
    std::vector<std::string>& calls;
    std::map<std::string, MciAnswer> answers;   // by command; unlisted commands succeed with ""
    std::map<int32_t, std::string> errorTexts;  // unlisted codes have no text
    int32_t deviceCount = 1;
    int32_t playResult = 1;

    int32_t MciSendString(const std::string& command, char* reply, uint32_t length) override;
    int32_t MciGetErrorString(int32_t code, char* text, uint32_t length) override;
    int32_t WaveOutGetNumDevs() override;
    int32_t PlaySoundName(const char* name, uint32_t flags) override;

  private:
    std::vector<std::string> ownCalls_;
};

// The music module as at process start: blank reply buffers, CD polling not active.
void ResetMusicModule();
