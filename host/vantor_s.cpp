#include "vantor_s.h"

#include "argument_text.h"
#include "host_names.h"
#include "host_text.h"
#include "vantor_b.h"
#include "vantor_bgm.h"

namespace Vantor_S {

std::string FileKind(const std::string& path) {
    return Vantor_B::UpperAscii(path.size() < 3 ? path : path.substr(path.size() - 3));
}

RunForm::RunForm(Vantor_B::HostPlatform& platform, intptr_t window)
    : Timer1(platform, window, kTimer1, kMp3RepeatMs, false),
      Timer2(platform, window, kTimer2, kCdPollMs, false),
      Timer3(platform, window, kTimer3, kRendererWatchMs, true),
      platform_(platform) {}

void RunForm::Form_Load() {
    // Nothing would notice the renderer's end: the music would play on and the host stay behind.
    if (!Timer3.Enabled()) {
        Form_QueryUnload();
        return;
    }
    if (Vantor_B::BgmKind == Vantor_B::kBgmCd) {
        Vantor_BGM::CdOpen();
        Timer2.SetEnabled(true);
    }
    if (Vantor_B::BgmKind == Vantor_B::kBgmFile) {
        const std::string kind = FileKind(Vantor_B::BgmFile);
        if (kind == "WAV") {
            Vantor_BGM::WavPlay();
        }
        if (kind == "MP3") {
            Vantor_BGM::Mp3Open();
            Timer1.SetEnabled(true);
        }
    }
    platform_.StartProgram(platform_.HostFolder() + Vantor_B::kRendererFileName,
                           Vantor_B::kRendererWindowTitle);
}

void RunForm::Form_QueryUnload() {
    // A CD whose polling stopped after a device error is left as it is.
    if (Timer2.Enabled()) {
        Timer2.SetEnabled(false);
        Vantor_BGM::CdClose();
    }
    if (Vantor_B::BgmKind == Vantor_B::kBgmFile) {
        const std::string kind = FileKind(Vantor_B::BgmFile);
        if (kind == "WAV") {
            Vantor_BGM::WavStop();
        }
        if (kind == "MP3") {
            Vantor_BGM::Mp3Close();
        }
    }
    if (Vantor_B::ModeLetter(platform_.ArgumentText()) == "S") {
        Vantor_B::CursorCount = platform_.ShowCursor(true);
    }
    platform_.EndProcess();
}

void RunForm::Timer1_Timer() {
    Vantor_BGM::Mp3Poll();
}

void RunForm::Timer2_Timer() {
    Vantor_BGM::CdPoll();
    Timer2.SetEnabled(Vantor_BGM::CdPollActive != 0);
}

void RunForm::Timer3_Timer() {
    if (platform_.TopLevelWindowExists(Vantor_B::kRendererWindowTitle)) {
        return;
    }
    Timer3.SetEnabled(false);
    Form_QueryUnload();
}

void RunForm::Tick(int timerId) {
    switch (timerId) {
        case kTimer1:
            Timer1_Timer();
            break;
        case kTimer2:
            Timer2_Timer();
            break;
        case kTimer3:
            Timer3_Timer();
            break;
        default:
            break;
    }
}

}  // namespace Vantor_S
