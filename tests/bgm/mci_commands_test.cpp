#include "bgm_fixture.h"

using Vantor_BGM::MciPlay;
using Vantor_BGM::MciQuery;
using Vantor_BGM::MciSend;

TEST_F(BgmTest, EmptyCommandAnswersWithoutAskingThePlatform) {
    std::string reply;
    EXPECT_EQ(MciSend("", reply), -1);
    EXPECT_EQ(reply, "コマンド文字列が指定されていません");
    EXPECT_EQ(MciQuery(""), "Error:-1");
    EXPECT_TRUE(platform.calls.empty());
}

TEST_F(BgmTest, ReplyIsTheBufferTextUpToItsNul) {
    platform.answers["status cdaudio mode"] = {0, "playing"};
    std::string reply = "old";
    EXPECT_EQ(MciSend("status cdaudio mode", reply), 0);
    EXPECT_EQ(reply, "playing");
    EXPECT_EQ(Vantor_B::LastApiResult, 0);
    EXPECT_EQ(platform.calls, (Calls{"mci status cdaudio mode |512"}));
}

TEST_F(BgmTest, ReplyFillingTheWholeBufferIsReadToItsEnd) {
    platform.answers["x"] = {0, std::string(600, 'a')};
    std::string reply;
    MciSend("x", reply);
    EXPECT_EQ(reply, std::string(512, 'a'));
}

TEST_F(BgmTest, FailureRepliesWithTheErrorTextOrAFixedOne) {
    platform.answers["open cdaudio"] = {275, "ignored"};
    platform.errorTexts[275] = "The specified file cannot be found.";
    std::string reply;
    EXPECT_EQ(MciSend("open cdaudio", reply), 275);
    EXPECT_EQ(reply, "The specified file cannot be found.");
    EXPECT_EQ(Vantor_B::LastApiResult, 1);
    EXPECT_EQ(platform.calls, (Calls{"mci open cdaudio |512", "error 275 |256"}));

    platform.answers["open cdaudio"].code = 263;
    EXPECT_EQ(MciSend("open cdaudio", reply), 263);
    EXPECT_EQ(reply, "Error (文字列が取れません)");
    EXPECT_EQ(Vantor_B::LastApiResult, 0);
}

TEST_F(BgmTest, QueryGivesErrorAndCodeOnFailure) {
    platform.answers["status cdaudio current track"] = {0, "4"};
    EXPECT_EQ(MciQuery("status cdaudio current track"), "4");
    platform.answers["status cdaudio current track"] = {289, "4"};
    platform.errorTexts[289] = "not ready";
    EXPECT_EQ(MciQuery("status cdaudio current track"), "Error:289");
}

TEST_F(BgmTest, PlayBuildsOneOfFourCommands) {
    const struct {
        const char* from;
        const char* to;
        const char* command;
    } cases[] = {
        {"", "", "mci play cdaudio |512"},
        {"03:00:00:00", "", "mci play cdaudio from 03:00:00:00 |512"},
        {"", "5", "mci play cdaudio to 5 |512"},
        {"2", "5", "mci play cdaudio from 2 to 5 |512"},
    };
    for (const auto& c : cases) {
        platform.calls.clear();
        EXPECT_EQ(MciPlay("cdaudio", c.from, c.to), 0);
        EXPECT_EQ(platform.calls, (Calls{c.command}));
    }
    platform.answers["play cdaudio"] = {282, ""};
    EXPECT_EQ(MciPlay("cdaudio", "", ""), 282);
}
