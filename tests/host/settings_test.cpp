#include "host_fixture.h"

namespace host_test {
namespace {

struct LoadCase {
    const char* kind;  // nullptr: key missing
    const char* repeat;
    const char* file;
    const char* readable;  // the file the platform can open
    int16_t startKind;     // both numbers before loading
    int16_t bgmKind, bgmRepeatTrack;
    const char* bgmFile;
};

TEST_F(HostTest, LoadSettingsConversions) {
    const LoadCase cases[] = {
        {nullptr, nullptr, nullptr, "", 0, 0, 0, ""},
        {"2", "0", "C:\\m\\sea.mp3", "C:\\m\\sea.mp3", 0, 2, 0, "C:\\m\\sea.mp3"},
        {"2.9", "7.5", "C:\\m\\sea.mp3", "C:\\m\\sea.mp3", 0, 2, 7, "C:\\m\\sea.mp3"},
        {"-0.5", " 3 ", nullptr, "", 0, -1, 3, ""},
        {"abc", "100000", nullptr, "", 0, 0, 0, ""},
        {"abc", nullptr, nullptr, "", 5, 5, 0, ""},  // no number: the kind stays as it was
        {"", "", "", "", 5, 0, 0, ""},               // empty: 0
        {"2", nullptr, nullptr, "", 0, 0, 0, ""},    // kind 2 without a file: no music
        {"2", nullptr, "C:\\m\\gone.mp3", "", 0, 0, 0, ""},
        {"1", "4", "C:\\m\\gone.mp3", "", 0, 1, 4, ""},  // the stale path goes, the CD stays
        {"2", nullptr, "C:\\m\\a.wav\\", "C:\\m\\a.wav", 0, 2, 0, "C:\\m\\a.wav\\"},
    };
    for (const LoadCase& c : cases) {
        platform.profile.clear();
        platform.readableFiles = {c.readable};
        if (c.kind) {
            Store("BGM区分", c.kind);
        }
        if (c.repeat) {
            Store("BGMﾘﾋﾟｰﾄ", c.repeat);
        }
        if (c.file) {
            Store("BGMﾌｧｲﾙ", c.file);
        }
        Vantor_B::BgmKind = c.startKind;
        Vantor_B::BgmRepeatTrack = c.startKind;
        Vantor_B::BgmFile = "old";
        Vantor_B::LoadSettings();
        const std::string what = std::string(c.kind ? c.kind : "-") + " / " + (c.file ? c.file : "-");
        EXPECT_EQ(Vantor_B::BgmKind, c.bgmKind) << what;
        EXPECT_EQ(Vantor_B::BgmRepeatTrack, c.bgmRepeatTrack) << what;
        EXPECT_EQ(Vantor_B::BgmFile, c.bgmFile) << what;
    }
}

TEST_F(HostTest, LongValuesAreCutTo255Bytes) {
    const std::string path = "C:\\" + std::string(300, 'a') + ".wav";
    Store("BGMﾌｧｲﾙ", path);
    EXPECT_EQ(Vantor_B::IniRead("Section", "BGMﾌｧｲﾙ", Vantor_B::SettingsPath()), path.substr(0, 255));
    platform.readableFiles = {path};
    Vantor_B::BgmKind = 2;
    Vantor_B::LoadSettings();
    EXPECT_EQ(Vantor_B::BgmFile, "");
    EXPECT_EQ(Vantor_B::BgmKind, 0);
}

TEST_F(HostTest, FileExistsTestsTheCopyWithoutOneTrailingBackslash) {
    platform.readableFiles = {"C:\\a.wav", "C:\\b\\"};
    const std::pair<const char*, bool> cases[] = {
        {"C:\\a.wav", true}, {"C:\\a.wav\\", true}, {"C:\\a.wav\\\\", false}, {"C:\\b\\", false},
        {"", false},         {"\\", false},         {"C:\\missing", false},
    };
    for (const auto& [path, exists] : cases) {
        EXPECT_EQ(Vantor_B::FileExists(path), exists) << path;
    }
}

TEST_F(HostTest, EmptyPathsNeverReachThePlatform) {
    EXPECT_FALSE(Vantor_B::FileExists(""));
    EXPECT_FALSE(Vantor_B::FileExists("\\"));
    EXPECT_TRUE(platform.calls.empty());
}

TEST_F(HostTest, IniWriteCutsNamesAndKeepsTheResult) {
    platform.writeResult = 0;
    const std::string longKey = std::string(126, 'k') + "区分";
    Vantor_B::IniWrite("Section", longKey, "C:\\曲\\海.mp3", Vantor_B::SettingsPath());
    EXPECT_EQ(Vantor_B::LastApiResult, 0);
    EXPECT_EQ(platform.profile.count("Section|" + std::string(126, 'k') + "区|C:\\Saver\\Quorrel.ini"), 1u);
    platform.writeResult = 1;
    Vantor_B::IniWrite("Section", "BGM区分", "2", Vantor_B::SettingsPath());
    EXPECT_EQ(Vantor_B::LastApiResult, 1);
    EXPECT_EQ(Vantor_B::IniRead("Section", "BGM区分", "C:\\Saver\\Quorrel.ini"), "2");
}

}  // namespace
}  // namespace host_test
