#include "bgm_platform.h"
#include "installed.h"
#include "vantor_b.h"
#include "vantor_bgm.h"

namespace Vantor_BGM {

namespace {

constexpr const char* NoCommandText = "コマンド文字列が指定されていません";
constexpr const char* NoErrorText = "Error (文字列が取れません)";

Vantor_B::Installed<SoundPlatform> installedPlatform("the sound platform");

std::string MciLastReply;

}  // namespace

std::array<char, 512> MciReplyBuffer{};
std::array<char, 256> MciErrorBuffer{};

void UseSoundPlatform(SoundPlatform& platform) {
    installedPlatform.Use(platform);
}

SoundPlatform& Platform() {
    return installedPlatform.Get();
}

int32_t SendString(const std::string& command, char* reply, uint32_t length) {
    Vantor_B::LastApiResult = Platform().MciSendString(command, reply, length);
    return Vantor_B::LastApiResult;
}

int32_t MciSend(const std::string& command, std::string& reply) {
    if (command.empty()) {
        reply = NoCommandText;
        return -1;
    }
    const int32_t code = SendString(command, MciReplyBuffer);
    if (code != 0) {
        Vantor_B::LastApiResult = Platform().MciGetErrorString(code, MciErrorBuffer.data(),
                                                               static_cast<uint32_t>(MciErrorBuffer.size()));
        reply = Vantor_B::LastApiResult != 0 ? BufferText(MciErrorBuffer) : NoErrorText;
        return code;
    }
    reply = BufferText(MciReplyBuffer);
    return 0;
}

std::string MciQuery(const std::string& command) {
    const int32_t code = MciSend(command, MciLastReply);
    if (code != 0) {
        return "Error:" + std::to_string(code);
    }
    return MciLastReply;
}

int32_t MciPlay(const std::string& device, const std::string& from, const std::string& to) {
    std::string command = "play " + device;
    if (!from.empty()) {
        command += " from " + from;
    }
    if (!to.empty()) {
        command += " to " + to;
    }
    return MciSend(command, MciLastReply);
}

}  // namespace Vantor_BGM
