// The music module against the real winmm: a looping WAV, an MP3 that restarts after its end and a
// CD device that is not there. Prints one line a check and exits with the number of failed checks.
#include <windows.h>
// After windows.h, which it builds on.
#include <mmsystem.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "ansi_text_win32.h"
#include "sound_platform_win32.h"
#include "test_sounds.h"
#include "vantor_b.h"
#include "vantor_bgm.h"

namespace {

// Passes every call to the real platform and keeps each MCI command with its code.
class RecordingPlatform final : public Vantor_BGM::SoundPlatform {
  public:
    explicit RecordingPlatform(SoundPlatform& real) : real_(real) {}
    std::vector<std::pair<std::string, int32_t>> sent;

    int32_t MciSendString(const std::string& command, char* reply, uint32_t length) override {
        const int32_t code = real_.MciSendString(command, reply, length);
        sent.emplace_back(command, code);
        return code;
    }
    int32_t MciGetErrorString(int32_t code, char* text, uint32_t length) override {
        return real_.MciGetErrorString(code, text, length);
    }
    int32_t WaveOutGetNumDevs() override { return real_.WaveOutGetNumDevs(); }
    int32_t PlaySoundName(const char* name, uint32_t flags) override {
        return real_.PlaySoundName(name, flags);
    }

  private:
    SoundPlatform& real_;
};

int failures = 0;

void Check(bool ok, const std::string& what) {
    std::printf("%s - %s\n", ok ? "ok" : "not ok", what.c_str());
    std::fflush(stdout);
    if (!ok) {
        ++failures;
    }
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    const HANDLE file = CreateFileA(ToAnsi(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const BOOL ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    return CloseHandle(file) && ok && written == bytes.size();
}

// A folder with a space and Japanese in its name, so every path goes through the code page.
std::string MakeSoundFolder() {
    char temp[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH) {
        return {};
    }
    const std::string folder = FromAnsi(std::string(temp, length)) + "quorrel 音楽";
    if (!CreateDirectoryA(ToAnsi(folder).c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        return {};
    }
    return folder;
}

// Whether a sound started earlier is still playing: a no-stop request is refused while one plays
// (and otherwise plays the short probe, which the caller stops).
bool SoundStillPlaying(const std::string& probe) {
    return !PlaySoundA(ToAnsi(probe).c_str(), nullptr, SND_ASYNC | SND_NOSTOP | SND_FILENAME);
}

// Waits up to ten lengths of the test tone for silence; a busy machine may play slowly.
bool SilentSoon(const std::string& probe) {
    for (int waited = 0; waited < 3000; waited += 100) {
        if (!SoundStillPlaying(probe)) {
            PlaySoundA(nullptr, nullptr, 0);
            return true;
        }
        Sleep(100);
    }
    return false;
}

bool Sent(const RecordingPlatform& platform, size_t from, const std::vector<std::string>& commands) {
    if (platform.sent.size() != from + commands.size()) {
        return false;
    }
    for (size_t i = 0; i < commands.size(); ++i) {
        if (platform.sent[from + i].first != commands[i] || platform.sent[from + i].second != 0) {
            return false;
        }
    }
    return true;
}

void TestWav(const std::string& folder) {
    const std::string wav = folder + "\\ループ 音.wav";
    const std::string probe = folder + "\\probe.wav";
    Check(WriteFile(wav, ToneWav(300)) && WriteFile(probe, ToneWav(100)), "test WAV files written");
    Check(waveOutGetNumDevs() > 0, "waveOutGetNumDevs above 0");

    // The probe itself: a sound played once ends.
    PlaySoundA(ToAnsi(wav).c_str(), nullptr, SND_ASYNC | SND_FILENAME);
    Check(SilentSoon(probe), "control: a WAV played once ends");

    // A missing file loops nothing (no default sound stands in for it).
    Vantor_B::BgmFile = folder + "\\missing.wav";
    Vantor_BGM::WavPlay();
    Check(SilentSoon(probe), "control: WavPlay of a missing file plays nothing");
    Vantor_BGM::WavStop();

    Vantor_B::BgmFile = wav;
    Vantor_BGM::WavPlay();
    Check(Vantor_B::LastApiResult != 0, "WavPlay: PlaySound accepted the file");
    Sleep(3000);  // what is tested: it still plays after ten rounds of the 300 ms sound
    Check(SoundStillPlaying(probe), "the WAV still plays after ten of its lengths");
    Vantor_BGM::WavStop();
    Check(Vantor_B::LastApiResult != 0, "WavStop: PlaySound stop succeeded");
    Check(SilentSoon(probe), "nothing plays after WavStop");
}

// The MCI mode of the open MP3, read with the module's own query.
std::string Mp3Mode() {
    return Vantor_BGM::MciQuery("status MP3Play mode");
}

void TestMp3(const std::string& folder, RecordingPlatform& platform) {
    const std::string mp3 = folder + "\\曲 テスト.mp3";
    Check(WriteFile(mp3, SilentMp3(77)), "test MP3 file written (two seconds)");

    Vantor_B::BgmFile = mp3;
    size_t from = platform.sent.size();
    Vantor_BGM::Mp3Open();
    Check(Sent(platform, from, {"open \"" + mp3 + "\" type MPEGVideo Alias MP3Play", "play MP3Play"}),
          "Mp3Open: open and play succeeded with the exact command strings");
    Check(Vantor_BGM::Mp3IsPlaying(), "mode after Mp3Open is \"playing\" (" + Mp3Mode() + ")");

    std::string mode = Mp3Mode();
    for (int i = 0; i < 40 && mode == "playing"; ++i) {
        Sleep(250);
        mode = Mp3Mode();
    }
    Check(mode != "playing", "the MP3 ends by itself (mode \"" + mode + "\")");

    from = platform.sent.size();
    Vantor_BGM::Mp3Poll();
    Check(Sent(platform, from, {"status MP3Play mode", "stop MP3Play", "play MP3Play from 0"}),
          "Mp3Poll after the end: stop and play from 0 succeeded");
    Check(Vantor_BGM::Mp3IsPlaying(), "mode after Mp3Poll is \"playing\" again (" + Mp3Mode() + ")");

    from = platform.sent.size();
    Vantor_BGM::Mp3Poll();
    Check(Sent(platform, from, {"status MP3Play mode"}), "Mp3Poll while playing sends only the status query");

    from = platform.sent.size();
    Vantor_BGM::Mp3Close();
    Check(Sent(platform, from, {"stop MP3Play", "close MP3Play"}), "Mp3Close: stop and close succeeded");
}

void TestCdWithoutDrive() {
    Vantor_BGM::CdOpen();
    Vantor_BGM::CdPoll();
    Check(Vantor_BGM::CdPollActive == 0, "CdPoll without a CD drive sets CdPollActive false");

    // The error text comes back through the code page unchanged (Japanese under code page 932).
    std::string reply;
    const int32_t code = Vantor_BGM::MciSend("status cdaudio current track", reply);
    char direct[256] = {};
    const BOOL found = mciGetErrorStringA(static_cast<MCIERROR>(code), direct, sizeof direct);
    Check(code != 0 && found && !reply.empty() && reply == FromAnsi(direct),
          "a failing command replies with the platform's error text: " + reply);
}

}  // namespace

int main() {
    RecordingPlatform platform(SystemSoundPlatform());
    Vantor_BGM::UseSoundPlatform(platform);
    const std::string folder = MakeSoundFolder();
    Check(!folder.empty(), "sound folder made");
    if (folder.empty()) {
        return failures;
    }
    TestWav(folder);
    TestMp3(folder, platform);
    TestCdWithoutDrive();
    std::printf("%d failed\n", failures);
    return failures;
}
