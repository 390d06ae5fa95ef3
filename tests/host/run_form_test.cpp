// The run form over the real music module: what it plays, polls and stops reaches the recording sound
// platform, in the same log as the host platform's and the timers' calls.
#include <vector>

#include "host_fixture.h"
#include "recording_platform.h"
#include "vantor_bgm.h"
#include "vantor_s.h"

namespace host_test {
namespace {

using Calls = std::vector<std::string>;

const std::string kStart = "StartProgram C:\\Saver\\Quorrel.dll";
constexpr intptr_t kRunWindow = 0x4A0;
const std::string kWatch = "FindWindow Vantor_Render";
const Calls kCdOpen = {"mci open cdaudio |0", "mci set cdaudio time format tmsf |0"};
const Calls kCdClose = {"mci stop cdaudio |0", "mci close cdaudio |0"};
const Calls kCdPoll = {"mci status cdaudio current track |512", "mci status cdaudio number of tracks |512",
                       "mci status cdaudio mode |255"};
const Calls kMp3Close = {"mci stop MP3Play |0", "mci close MP3Play |0"};
const Calls kWavStop = {"PlaySound <null>|0"};

Calls WavPlay(const std::string& file) {
    return {"waveOutGetNumDevs", "PlaySound " + file + "|9"};
}

Calls Mp3Open(const std::string& file) {
    return {"mci open \"" + file + "\" type MPEGVideo Alias MP3Play |0", "mci play MP3Play |0"};
}

// The lines of several calls, one after the other.
Calls Lines(std::initializer_list<Calls> parts) {
    Calls lines;
    for (const Calls& part : parts) {
        lines.insert(lines.end(), part.begin(), part.end());
    }
    return lines;
}

class RunFormTest : public HostTest {
  protected:
    RunFormTest() {
        Vantor_BGM::UseSoundPlatform(sound);
        ResetMusicModule();
    }
    Calls Take() { return std::exchange(platform.calls, {}); }

    RecordingPlatform sound{platform.calls};
};

struct RunCase {
    int16_t kind;
    std::string file;
    const char* arguments;
    Calls load;  // loading the form and Form_Load
    Calls end;   // the watch tick that finds no renderer window
};

TEST_F(RunFormTest, MusicAndEndForEveryKind) {
    const Calls watch = {"StartTimer3 50"};
    const Calls gone = {kWatch, "StopTimer3"};
    const Calls cursorBack = {"ShowCursor TRUE"};
    const Calls end = {"EndProcess"};
    const RunCase cases[] = {
        {0, "", "/s", Lines({watch, {kStart}}), Lines({gone, cursorBack, end})},
        {0, "C:\\m\\a.mp3", "", Lines({watch, {kStart}}), Lines({gone, end})},
        {1, "", "/s", Lines({watch, kCdOpen, {"StartTimer2 200"}, {kStart}}),
         Lines({gone, {"StopTimer2"}, kCdClose, cursorBack, end})},
        {2, "C:\\m\\a.wav", "", Lines({watch, WavPlay("C:\\m\\a.wav"), {kStart}}),
         Lines({gone, kWavStop, end})},
        {2, "C:\\m\\a.Wav", "/S", Lines({watch, WavPlay("C:\\m\\a.Wav"), {kStart}}),
         Lines({gone, kWavStop, cursorBack, end})},
        {2, "C:\\m\\a.mP3", "", Lines({watch, Mp3Open("C:\\m\\a.mP3"), {"StartTimer1 1000"}, {kStart}}),
         Lines({gone, kMp3Close, end})},
        {2, "C:\\m\\a.mid", "", Lines({watch, {kStart}}), Lines({gone, end})},
        {2, "C:\\m\\a.wave", "", Lines({watch, {kStart}}), Lines({gone, end})},
        {2, "av", "", Lines({watch, {kStart}}), Lines({gone, end})},
        {2, "WAV", "", Lines({watch, WavPlay("WAV"), {kStart}}), Lines({gone, kWavStop, end})},
        {3, "C:\\m\\a.wav", "", Lines({watch, {kStart}}), Lines({gone, end})},
        {-1, "C:\\m\\a.mp3", "", Lines({watch, {kStart}}), Lines({gone, end})},
    };
    for (const RunCase& c : cases) {
        Vantor_B::BgmKind = c.kind;
        Vantor_B::BgmFile = c.file;
        platform.argumentText = c.arguments;
        Take();
        Vantor_S::RunForm form(platform, kRunWindow);
        form.Form_Load();
        EXPECT_EQ(Take(), c.load) << c.kind << " " << c.file;
        form.Tick(Vantor_S::kTimer3);
        EXPECT_EQ(Take(), c.end) << c.kind << " " << c.file;
    }
}

// Nothing would end a run whose renderer watch the system refused: it ends before anything starts.
TEST_F(RunFormTest, WatchThatCannotStartEndsTheRunAtOnce) {
    Vantor_B::BgmKind = 2;
    Vantor_B::BgmFile = "C:\\m\\a.wav";
    platform.argumentText = "/s";
    platform.timersWork = false;
    Vantor_S::RunForm form(platform, kRunWindow);
    form.Form_Load();
    EXPECT_EQ(Take(), Lines({{"StartTimer3 50"}, kWavStop, {"ShowCursor TRUE", "EndProcess"}}));
    EXPECT_FALSE(form.Timer3.Enabled());
}

TEST_F(RunFormTest, WatchTickWithTheRendererWindowDoesNothing) {
    Vantor_S::RunForm form(platform, kRunWindow);
    form.Form_Load();
    platform.windows = {"Vantor_Render"};
    Take();
    form.Tick(Vantor_S::kTimer3);
    EXPECT_EQ(Take(), Calls{kWatch});
    EXPECT_TRUE(form.Timer3.Enabled());
}

TEST_F(RunFormTest, CdDeviceErrorStopsPollingAndSkipsTheClose) {
    Vantor_B::BgmKind = 1;
    Vantor_S::RunForm form(platform, kRunWindow);
    form.Form_Load();
    Take();
    form.Tick(Vantor_S::kTimer2);
    EXPECT_EQ(Take(), kCdPoll);
    sound.answers["status cdaudio current track"] = {277, ""};
    form.Tick(Vantor_S::kTimer2);
    EXPECT_EQ(Take(), (Calls{"mci status cdaudio current track |512", "error 277 |256", "StopTimer2"}));
    form.Form_QueryUnload();
    EXPECT_EQ(Take(), Calls{"EndProcess"});
}

TEST_F(RunFormTest, Mp3TickPollsAndCloseMessageEndsWithCursorBack) {
    Vantor_B::BgmKind = 2;
    Vantor_B::BgmFile = "C:\\曲\\海.mp3";
    platform.argumentText = "/s";
    platform.cursorCount = -1;
    Vantor_S::RunForm form(platform, kRunWindow);
    form.Form_Load();
    Take();
    sound.answers["status MP3Play mode"] = {0, "playing"};
    form.Tick(Vantor_S::kTimer1);
    EXPECT_EQ(Take(), Calls{"mci status MP3Play mode |30"});
    form.Form_QueryUnload();
    EXPECT_EQ(Take(), Lines({kMp3Close, {"ShowCursor TRUE", "EndProcess"}}));
    EXPECT_EQ(Vantor_B::CursorCount, 0);
}

}  // namespace
}  // namespace host_test
