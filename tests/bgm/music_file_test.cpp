#include "bgm_fixture.h"

TEST_F(BgmTest, Mp3OpenQuotesThePathAndPlaysOnlyWhenOpened) {
    const char* paths[] = {R"(C:\Music\My Song.mp3)", R"(D:\音楽\曲 一.MP3)"};
    for (const char* path : paths) {
        Vantor_B::BgmFile = path;
        const std::string open = std::string("open \"") + path + "\" type MPEGVideo Alias MP3Play";
        Fresh();
        platform.answers[open] = {0, ""};
        Vantor_BGM::Mp3Open();
        EXPECT_EQ(platform.calls, (Calls{"mci " + open + " |0", "mci play MP3Play |0"}));

        Fresh();
        platform.answers[open] = {275, ""};
        Vantor_BGM::Mp3Open();
        EXPECT_EQ(platform.calls, (Calls{"mci " + open + " |0"}));
        EXPECT_EQ(Vantor_B::LastApiResult, 275);
    }
}

TEST_F(BgmTest, Mp3PollRestartsWhatIsNoLongerPlaying) {
    const struct {
        MciAnswer mode;
        bool playing;
    } cases[] = {
        {{0, "playing"}, true}, {{0, "playingX"}, true}, {{0, "Playing"}, false},   {{0, "stopped"}, false},
        {{0, "paused"}, false}, {{0, "playin"}, false},  {{263, "", false}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode.reply);
        Fresh();
        platform.answers["status MP3Play mode"] = c.mode;
        EXPECT_EQ(Vantor_BGM::Mp3IsPlaying(), c.playing);
        Vantor_BGM::Mp3Poll();
        Calls expected{"mci status MP3Play mode |30", "mci status MP3Play mode |30"};
        if (!c.playing) {
            expected.insert(expected.end(), {"mci stop MP3Play |0", "mci play MP3Play from 0 |0"});
        }
        EXPECT_EQ(platform.calls, expected);
    }
}

TEST_F(BgmTest, WavLoopsOnlyWithAnOutputDevice) {
    Vantor_B::BgmFile = R"(C:\サウンド\loop sound.wav)";
    const struct {
        int32_t devices;
        Calls calls;
    } cases[] = {
        {0, {"waveOutGetNumDevs"}},
        {-1, {"waveOutGetNumDevs"}},
        {1, {"waveOutGetNumDevs", R"(PlaySound C:\サウンド\loop sound.wav|9)"}},
        {3, {"waveOutGetNumDevs", R"(PlaySound C:\サウンド\loop sound.wav|9)"}},
    };
    platform.playResult = 7;
    for (const auto& c : cases) {
        Fresh();
        platform.deviceCount = c.devices;
        Vantor_BGM::WavPlay();
        EXPECT_EQ(platform.calls, c.calls);
        EXPECT_EQ(Vantor_B::LastApiResult, c.devices > 0 ? 7 : c.devices);
    }
}
