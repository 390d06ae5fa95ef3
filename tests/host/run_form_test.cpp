#include <deque>
#include <vector>

#include "host_fixture.h"
#include "vantor_s.h"

namespace host_test {
namespace {

struct FakeMusic : Vantor_S::Music {
    std::vector<std::string>& calls;
    // What each poll finds; the answer is known only once the poll has run.
    std::deque<bool> cdAnswers;
    bool cdActive = false;
    explicit FakeMusic(std::vector<std::string>& log) : calls(log) {}
    void CdOpen() override { calls.push_back("CdOpen"); }
    void CdPoll() override {
        calls.push_back("CdPoll");
        cdActive = !cdAnswers.empty() && cdAnswers.front();  // none left: a device error
        if (!cdAnswers.empty()) cdAnswers.pop_front();
    }
    bool CdPollActive() override { return cdActive; }
    void CdClose() override { calls.push_back("CdClose"); }
    void Mp3Open() override { calls.push_back("Mp3Open"); }
    void Mp3Poll() override { calls.push_back("Mp3Poll"); }
    void Mp3Close() override { calls.push_back("Mp3Close"); }
    void WavPlay() override { calls.push_back("WavPlay"); }
    void WavStop() override { calls.push_back("WavStop"); }
};

const std::string kStart = "StartProgram C:\\Saver\\Quorrel.dll";
const std::string kWatch = "FindWindow Vantor_Render";

class RunFormTest : public HostTest {
  protected:
    std::vector<std::string> Take() { return std::exchange(platform.calls, {}); }

    FakeMusic music{platform.calls};
    FakeTimers timers{platform.calls};
};

struct RunCase {
    int16_t kind;
    const char* file;
    const char* arguments;
    std::vector<std::string> load;  // loading the form and Form_Load
    std::vector<std::string> end;   // the watch tick that finds no renderer window
};

TEST_F(RunFormTest, MusicAndEndForEveryKind) {
    const RunCase cases[] = {
        {0, "", "/s", {"StartTimer3 50", kStart}, {kWatch, "StopTimer3", "ShowCursor TRUE", "EndProcess"}},
        {0, "C:\\m\\a.mp3", "", {"StartTimer3 50", kStart}, {kWatch, "StopTimer3", "EndProcess"}},
        {1,
         "",
         "/s",
         {"StartTimer3 50", "CdOpen", "StartTimer2 200", kStart},
         {kWatch, "StopTimer3", "StopTimer2", "CdClose", "ShowCursor TRUE", "EndProcess"}},
        {2,
         "C:\\m\\a.wav",
         "",
         {"StartTimer3 50", "WavPlay", kStart},
         {kWatch, "StopTimer3", "WavStop", "EndProcess"}},
        {2,
         "C:\\m\\a.Wav",
         "/S",
         {"StartTimer3 50", "WavPlay", kStart},
         {kWatch, "StopTimer3", "WavStop", "ShowCursor TRUE", "EndProcess"}},
        {2,
         "C:\\m\\a.mP3",
         "",
         {"StartTimer3 50", "Mp3Open", "StartTimer1 1000", kStart},
         {kWatch, "StopTimer3", "Mp3Close", "EndProcess"}},
        {2, "C:\\m\\a.mid", "", {"StartTimer3 50", kStart}, {kWatch, "StopTimer3", "EndProcess"}},
        {2, "C:\\m\\a.wave", "", {"StartTimer3 50", kStart}, {kWatch, "StopTimer3", "EndProcess"}},
        {2, "av", "", {"StartTimer3 50", kStart}, {kWatch, "StopTimer3", "EndProcess"}},
        {2,
         "WAV",
         "",
         {"StartTimer3 50", "WavPlay", kStart},
         {kWatch, "StopTimer3", "WavStop", "EndProcess"}},
        {3, "C:\\m\\a.wav", "", {"StartTimer3 50", kStart}, {kWatch, "StopTimer3", "EndProcess"}},
        {-1, "C:\\m\\a.mp3", "", {"StartTimer3 50", kStart}, {kWatch, "StopTimer3", "EndProcess"}},
    };
    for (const RunCase& c : cases) {
        Vantor_B::BgmKind = c.kind;
        Vantor_B::BgmFile = c.file;
        platform.argumentText = c.arguments;
        Take();
        Vantor_S::RunForm form(platform, music, timers);
        form.Form_Load();
        EXPECT_EQ(Take(), c.load) << c.kind << " " << c.file;
        form.Tick(Vantor_S::kTimer3);
        EXPECT_EQ(Take(), c.end) << c.kind << " " << c.file;
    }
}

TEST_F(RunFormTest, WatchTickWithTheRendererWindowDoesNothing) {
    Vantor_S::RunForm form(platform, music, timers);
    form.Form_Load();
    platform.windows = {"Vantor_Render"};
    Take();
    form.Tick(Vantor_S::kTimer3);
    EXPECT_EQ(Take(), std::vector<std::string>{kWatch});
    EXPECT_TRUE(form.Timer3.Enabled());
}

TEST_F(RunFormTest, CdDeviceErrorStopsPollingAndSkipsTheClose) {
    Vantor_B::BgmKind = 1;
    music.cdAnswers = {true, false};
    Vantor_S::RunForm form(platform, music, timers);
    form.Form_Load();
    Take();
    form.Tick(Vantor_S::kTimer2);
    EXPECT_EQ(Take(), std::vector<std::string>{"CdPoll"});
    form.Tick(Vantor_S::kTimer2);
    EXPECT_EQ(Take(), (std::vector<std::string>{"CdPoll", "StopTimer2"}));
    form.Form_QueryUnload();
    EXPECT_EQ(Take(), std::vector<std::string>{"EndProcess"});
}

TEST_F(RunFormTest, Mp3TickPollsAndCloseMessageEndsWithCursorBack) {
    Vantor_B::BgmKind = 2;
    Vantor_B::BgmFile = "C:\\曲\\海.mp3";
    platform.argumentText = "/s";
    platform.cursorCount = -1;
    Vantor_S::RunForm form(platform, music, timers);
    form.Form_Load();
    Take();
    form.Tick(Vantor_S::kTimer1);
    EXPECT_EQ(Take(), std::vector<std::string>{"Mp3Poll"});
    form.Form_QueryUnload();
    EXPECT_EQ(Take(), (std::vector<std::string>{"Mp3Close", "ShowCursor TRUE", "EndProcess"}));
    EXPECT_EQ(Vantor_B::CursorCount, 0);
}

}  // namespace
}  // namespace host_test
