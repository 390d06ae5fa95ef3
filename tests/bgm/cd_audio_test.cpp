#include "bgm_fixture.h"

using Vantor_BGM::CdPollActive;

namespace {

const std::string CurrentTrack = "mci status cdaudio current track |512";
const std::string TrackCount = "mci status cdaudio number of tracks |512";
const std::string Mode = "mci status cdaudio mode |255";

}  // namespace

TEST_F(BgmTest, CdPollKeepsTheDiscOrTheRepeatTrackPlaying) {
    const struct {
        int16_t repeat;
        std::string current;
        std::string mode;
        Calls played;  // what follows the three status queries
    } cases[] = {
        {0, "1", "playing", {}},
        {0, "1", "stopped", {"mci play cdaudio |512"}},
        {0, "1", "stoppedXYZ", {"mci play cdaudio |512"}},
        {0, "1", "Stopped", {}},
        {0, "1", "stoppe", {}},
        {0, "1", "paused", {}},
        {0, "1", "not ready", {}},
        {0, "abc", "stopped", {"mci play cdaudio |512"}},
        {3, "3", "playing", {}},
        {3, " 3 ", "seeking", {}},
        {3,
         "4",
         "playing",
         {"mci status cdaudio position track 3 |512", "mci play cdaudio from 03:00:00:00 |512"}},
        {3,
         "3",
         "stopped",
         {"mci status cdaudio position track 3 |512", "mci play cdaudio from 03:00:00:00 |512"}},
        {3,
         "3.5",
         "playing",
         {"mci status cdaudio position track 3 |512", "mci play cdaudio from 03:00:00:00 |512"}},
    };
    platform.answers["status cdaudio position track 3"] = {0, "03:00:00:00"};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.repeat) + " " + c.current + " " + c.mode);
        Vantor_B::BgmRepeatTrack = c.repeat;
        platform.answers["status cdaudio current track"] = {0, c.current};
        platform.answers["status cdaudio mode"] = {0, c.mode};
        Fresh();
        Vantor_BGM::CdPoll();
        Calls expected{CurrentTrack, TrackCount, Mode};
        expected.insert(expected.end(), c.played.begin(), c.played.end());
        EXPECT_EQ(platform.calls, expected);
        EXPECT_EQ(CdPollActive, -1);
    }
}

TEST_F(BgmTest, CdPollStopsForGoodOnADeviceError) {
    struct Case {
        std::string failing;
        int32_t code;
        std::string reply;
        Calls calls;
    };
    const std::vector<Case> cases = {
        {"status cdaudio current track", 277, "", {CurrentTrack, "error 277 |256"}},
        {"status cdaudio number of tracks", 277, "", {CurrentTrack, TrackCount, "error 277 |256"}},
        // Any reply with those letters in any case counts as a failure.
        {"status cdaudio current track", 0, "terr", {CurrentTrack}},
    };
    for (const auto& c : cases) {
        platform.answers.clear();
        platform.answers[c.failing] = {c.code, c.reply};
        Fresh();
        Vantor_BGM::CdPoll();
        EXPECT_EQ(platform.calls, c.calls);
        EXPECT_EQ(CdPollActive, 0);
    }
}

TEST_F(BgmTest, CdPollStopsWhenTheCurrentTrackIsNoNumber) {
    Vantor_B::BgmRepeatTrack = 2;
    platform.answers["status cdaudio mode"] = {0, "stopped"};  // read even when the disc has stopped
    for (const char* current : {"", "abc", "2x", "nan", "inf"}) {
        platform.answers["status cdaudio current track"] = {0, current};
        Fresh();
        Vantor_BGM::CdPoll();
        EXPECT_EQ(platform.calls, (Calls{CurrentTrack, TrackCount, Mode})) << current;
        EXPECT_EQ(CdPollActive, 0) << current;
    }
}

TEST_F(BgmTest, RepeatTrackBeyondTheDiscKeepsPolling) {
    Vantor_B::BgmRepeatTrack = 99;
    platform.answers["status cdaudio current track"] = {0, "1"};
    platform.answers["status cdaudio position track 99"] = {277, ""};
    platform.answers["play cdaudio from Error:277"] = {277, ""};
    Vantor_BGM::CdPoll();
    EXPECT_EQ(platform.calls,
              (Calls{CurrentTrack, TrackCount, Mode, "mci status cdaudio position track 99 |512",
                     "error 277 |256", "mci play cdaudio from Error:277 |512", "error 277 |256"}));
    EXPECT_EQ(CdPollActive, -1);
}

TEST_F(BgmTest, ModeBufferKeepsItsTextWhenTheQueryWritesNothing) {
    platform.answers["status cdaudio mode"] = {0, "stopped"};
    Vantor_BGM::CdPoll();
    platform.answers["status cdaudio mode"] = {263, "", false};
    platform.calls.clear();
    Vantor_BGM::CdPoll();
    EXPECT_EQ(platform.calls.back(), "mci play cdaudio |512");
}
