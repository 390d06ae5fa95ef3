// The settings dialog's behaviour against a fake of its window and controls, and the host's fake
// platform for the settings file and the zoom: the load order, kind selection, the file choice, storing
// (and failing to), cancelling and the zoom anchor.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "fake_host_platform.h"
#include "fake_site.h"
#include "host_names.h"
#include "repeat_track.h"
#include "vantor_b.h"
#include "vantor_b_zoom.h"
#include "vantor_p_form.h"

namespace {

using Vantor_P::Mark;
using Vantor_P::MousePointer;
using Log = std::vector<std::string>;

class LoggingSite : public testing_button::FakeSite {
  public:
    LoggingSite(Log& log, std::string name) : FakeSite(64, 25), log_(log), name_(std::move(name)) {}
    void StartPointerWatch(uint32_t ms) override {
        log_.push_back(name_ + " Initialize " + std::to_string(ms));
    }
    void PropertyChanged(const std::string& property) override { log_.push_back(name_ + " " + property); }

  private:
    Log& log_;
    std::string name_;
};

struct DialogButton {
    DialogButton(Log& log, const std::string& name) : site(log, name), command(site) {
        command.ReadProperties(Vantor::PropertyBag{});
    }
    LoggingSite site;
    Vantor::Command command;
};

// The dialog's window handle, as its controls give it and the platform knows it.
constexpr intptr_t kDialogWindow = 0x520;

class FakeControls : public Vantor_P::DialogControls {
  public:
    explicit FakeControls(Log& log) : log_(log) {}
    intptr_t WindowHandle() override { return kDialogWindow; }
    double ScreenWidth() override { return 15360; }
    double ScreenHeight() override { return 11520; }
    double DialogWidth() override { return 7275; }
    double DialogHeight() override { return 4110; }
    void Move(int64_t left, int64_t top) override {
        Add("Move " + std::to_string(left) + "," + std::to_string(top));
    }
    void ShowMark(int index, Mark mark) override {
        marks[static_cast<size_t>(index)] = mark;
        Add("ShowMark " + std::to_string(index) + " " + std::to_string(static_cast<int>(mark)));
    }
    void EnableRepeat(bool enabled) override {
        repeatEnabled = enabled;
        Add(std::string("EnableRepeat ") + (enabled ? "1" : "0"));
    }
    void SetRepeatText(const std::string& text) override {
        repeatText = text;
        Add("SetRepeatText " + text);
    }
    void AddRepeatItem(const std::string& text) override { Add("AddRepeatItem " + text); }
    std::string RepeatText() override { return repeatText; }
    void SetFileCaption(const std::string& text) override {
        fileCaption = text;
        Add("SetFileCaption " + text);
    }
    void Unload() override { Add("Unload"); }
    bool GetCursorPos(int32_t& x, int32_t& y) override {
        Add("GetCursorPos");
        if (!cursorWorks) {
            return false;
        }
        x = cursorX;
        y = cursorY;
        return true;
    }
    std::optional<std::string> ChooseFile(const std::string& description, const std::string& pattern,
                                          const std::string& title, uint32_t capacity) override {
        Add("ChooseFile " + description + "|" + pattern + "|" + title + "|" + std::to_string(capacity));
        return chosenFile;
    }
    // The tests' names are ASCII: one byte a character in any code page.
    size_t CodePageLength(const std::string& text) override { return text.size(); }
    void OpenAddress(const std::string& address) override { Add("OpenAddress " + address); }
    void SetMousePointer(MousePointer pointer) override {
        Add("SetMousePointer " + std::to_string(static_cast<int>(pointer)));
    }
    void ShowMessage(const std::string& text, const std::string& title) override {
        Add("ShowMessage " + title + ": " + text);
    }

    std::array<Mark, 3> marks{};
    bool repeatEnabled = true;
    std::string repeatText;
    std::string fileCaption;
    bool cursorWorks = true;
    int32_t cursorX = 1023, cursorY = 767;
    std::optional<std::string> chosenFile;

  private:
    void Add(const std::string& line) { log_.push_back(line); }
    Log& log_;
};

struct Dialog {
    explicit Dialog(int16_t kind = 0, int16_t track = 0, std::string file = "")
        : log(platform.calls),
          bgmKind(kind),
          bgmRepeatTrack(track),
          bgmFile(std::move(file)),
          cmdBgm(log, "Cmd_BGM"),
          cmdSet(log, "Cmd_Set"),
          cmdCan(log, "Cmd_Can"),
          cmdEtc(log, "Cmd_Etc"),
          controls(log),
          form(controls, {bgmKind, bgmRepeatTrack, bgmFile},
               {cmdBgm.command, cmdSet.command, cmdCan.command, cmdEtc.command},
               "https://quorrel.invalid/works") {
        Vantor_B::UsePlatform(platform);
        Vantor_B::LastApiResult = 0;
        Vantor_B::ZoomAnchor = {};
        platform.windowHandles = {kDialogWindow};
        platform.parentRect = {270, 165, 755, 439};
    }
    Log Take() { return std::exchange(log, {}); }
    void Click(DialogButton& button) {
        button.command.MouseDown(Vantor::LeftButton, 0, 1, 1);
        button.command.MouseUp(Vantor::LeftButton, 0, 1, 1);
    }

    host_test::FakeHostPlatform platform;
    Log& log;
    int16_t bgmKind;
    int16_t bgmRepeatTrack;
    std::string bgmFile;
    DialogButton cmdBgm, cmdSet, cmdCan, cmdEtc;
    FakeControls controls;
    Vantor_P::Form form;
};

TEST(Form, LoadRunsItsStepsInOrder) {
    Dialog d(1, 7, "C:\\Music\\sea.mp3");
    d.form.Form_Load();
    Log expected = {
        "Move 4042,2470",         "Cmd_Etc Initialize 100",
        "Cmd_Set Initialize 100", "Cmd_Can Initialize 100",
        "Cmd_BGM Initialize 100", "Cmd_BGM Enabled",
        "EnableRepeat 0",         "ShowMark 0 0",
        "ShowMark 1 0",           "ShowMark 2 0",
        "ShowMark 1 1",           "EnableRepeat 1",
        "SetRepeatText 7",        "SetFileCaption C:\\Music\\sea.mp3",
        "GetCursorPos",           "DrawAnimatedRects 1312 3 1023,767,1023,767 -> 270,165,755,439",
        "SetMousePointer 0",
    };
    // The list is filled after the track text and before the file label.
    Log list;
    for (const std::string& item : Vantor_P::TrackList()) {
        list.push_back("AddRepeatItem " + item);
    }
    const auto fileLabel = std::find(expected.begin(), expected.end(), "SetFileCaption C:\\Music\\sea.mp3");
    expected.insert(fileLabel, list.begin(), list.end());
    EXPECT_EQ(d.Take(), expected);
    EXPECT_EQ(Vantor_B::ZoomAnchor, (Vantor_B::ScreenPoint16{1023, 767}));
}

TEST(Form, MarksAndEnablingFollowTheKind) {
    struct Case {
        int16_t kind;
        int selectedMark;  // -1: none
        bool repeat, fileButton;
    };
    const Case cases[] = {{0, 0, false, false},
                          {1, 1, true, false},
                          {2, 2, false, true},
                          {3, -1, false, false},
                          {-1, -1, false, false}};
    for (const Case& c : cases) {
        Dialog d(c.kind);
        d.form.Form_Load();
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(d.controls.marks[static_cast<size_t>(i)], static_cast<Mark>(i == c.selectedMark))
                << c.kind << " " << i;
        }
        EXPECT_EQ(d.controls.repeatEnabled, c.repeat) << c.kind;
        EXPECT_EQ(d.cmdBgm.command.Enabled(), c.fileButton) << c.kind;
    }
}

TEST(Form, PressingAMarkOrItsCaptionSelectsTheKind) {
    for (bool onLabel : {false, true}) {
        for (int button : {Vantor::LeftButton, Vantor::RightButton}) {
            Dialog d(2, 4, "C:\\a.wav");
            d.form.Form_Load();
            d.controls.repeatText = "4";
            d.Take();
            if (onLabel) {
                d.form.lbl_BGM_MouseDown(1, button, 0, 0, 0);
            } else {
                d.form.Img_BGM_MouseDown(1, button, 0, 0, 0);
            }
            EXPECT_EQ(d.bgmKind, 1);
            EXPECT_EQ(d.controls.marks,
                      (std::array<Mark, 3>{Mark::Unselected, Mark::Selected, Mark::Unselected}));
            EXPECT_TRUE(d.controls.repeatEnabled);
            EXPECT_FALSE(d.cmdBgm.command.Enabled());
            // The file and the track box stay as they were.
            EXPECT_EQ(d.bgmFile, "C:\\a.wav");
            EXPECT_EQ(d.controls.repeatText, "4");
            EXPECT_EQ(d.controls.fileCaption, "C:\\a.wav");
        }
    }
}

// The track text goes through TrackFromText, whose conversions geometry_test's table checks.
TEST(Form, SetWritesTheThreeKeysInOrderThenUnloads) {
    Dialog d(1, 9, "C:\\Music\\sea.mp3");
    d.form.Form_Load();
    d.controls.repeatText = "3.5";
    d.Take();
    d.Click(d.cmdSet);
    const Log expected = {
        "WriteProfile C:\\Saver\\Quorrel.ini Section BGM区分=1",
        "WriteProfile C:\\Saver\\Quorrel.ini Section BGMﾘﾋﾟｰﾄ=4",
        "WriteProfile C:\\Saver\\Quorrel.ini Section BGMﾌｧｲﾙ=C:\\Music\\sea.mp3",
        "Unload",
    };
    EXPECT_EQ(d.Take(), expected);
    EXPECT_EQ(d.bgmRepeatTrack, 4);
    EXPECT_EQ(d.platform.profile.at("Section|BGMﾘﾋﾟｰﾄ|C:\\Saver\\Quorrel.ini"), "4");
}

TEST(Form, SetStopsAtTheFirstFailedWriteAndStaysOpenWithTheChoiceUntilAStoreSucceeds) {
    const char* keys[] = {"BGM区分", "BGMﾘﾋﾟｰﾄ", "BGMﾌｧｲﾙ"};
    for (int failing = 0; failing < 3; ++failing) {
        Dialog d(1, 9, "C:\\Music\\sea.mp3");
        d.form.Form_Load();
        d.form.Img_BGM_MouseDown(2, Vantor::LeftButton, 0, 0, 0);
        d.controls.repeatText = "5";
        d.platform.failingKey = keys[failing];
        d.Take();
        d.Click(d.cmdSet);
        Log expected = {"WriteProfile C:\\Saver\\Quorrel.ini Section BGM区分=2",
                        "WriteProfile C:\\Saver\\Quorrel.ini Section BGMﾘﾋﾟｰﾄ=5",
                        "WriteProfile C:\\Saver\\Quorrel.ini Section BGMﾌｧｲﾙ=C:\\Music\\sea.mp3"};
        expected.resize(static_cast<size_t>(failing) + 1);
        expected.push_back(
            "ShowMessage Quorrel (ScreenSaver): C:\\Saver\\Quorrel.iniに設定を保存できません！");
        EXPECT_EQ(d.Take(), expected) << failing;
        EXPECT_EQ(d.bgmKind, 2);
        EXPECT_EQ(d.bgmFile, "C:\\Music\\sea.mp3");
        d.platform.failingKey.clear();
        d.Click(d.cmdSet);
        EXPECT_EQ(d.Take().back(), "Unload") << failing;
        EXPECT_EQ(d.bgmRepeatTrack, 5);
    }
}

TEST(Form, FileKindWithoutAFileStoresAnEmptyPath) {
    Dialog d(0);
    d.form.Form_Load();
    d.form.Img_BGM_MouseDown(2, Vantor::LeftButton, 0, 0, 0);
    d.Take();
    d.Click(d.cmdSet);
    EXPECT_EQ(d.Take(), (Log{"WriteProfile C:\\Saver\\Quorrel.ini Section BGM区分=2",
                             "WriteProfile C:\\Saver\\Quorrel.ini Section BGMﾘﾋﾟｰﾄ=0",
                             "WriteProfile C:\\Saver\\Quorrel.ini Section BGMﾌｧｲﾙ=", "Unload"}));
}

TEST(Form, CancelAndCloseWriteNothingAndZoomBackToTheLoadAnchor) {
    Dialog d(1, 3, "x");
    d.form.Form_Load();
    d.controls.cursorX = 5;  // the cursor moves before closing: the anchor stays
    d.Take();
    d.Click(d.cmdCan);
    d.form.Form_Unload();
    EXPECT_EQ(d.Take(), (Log{"Unload", "DrawAnimatedRects 1312 3 270,165,755,439 -> 1023,767,1023,767"}));
    EXPECT_EQ(d.bgmRepeatTrack, 3);
}

TEST(Form, FailedQueriesZoomFromTheTopLeftCornerAndAnEmptyRectangle) {
    Dialog d;
    d.controls.cursorWorks = false;
    d.platform.windowHandles.clear();
    d.form.Form_Load();
    const Log log = d.Take();
    EXPECT_NE(std::find(log.begin(), log.end(), "DrawAnimatedRects 1312 3 0,0,0,0 -> 0,0,0,0"), log.end());
    EXPECT_EQ(Vantor_B::ZoomAnchor, Vantor_B::ScreenPoint16{});
}

TEST(Form, FileChoiceTakesTheChosenPathOrKeepsTheOldOne) {
    for (const std::optional<std::string>& chosen :
         {std::optional<std::string>("C:\\Music\\ｳﾐ.wav"), std::optional<std::string>()}) {
        Dialog d(2, 0, "C:\\old.mp3");
        d.form.Form_Load();
        d.controls.chosenFile = chosen;
        d.platform.readableFiles = {chosen.value_or("")};
        d.Take();
        d.Click(d.cmdBgm);
        const std::string expectedFile = chosen.value_or("C:\\old.mp3");
        EXPECT_EQ(d.bgmFile, expectedFile);
        EXPECT_EQ(d.controls.fileCaption, expectedFile);
        EXPECT_EQ(d.bgmKind, 2);
        EXPECT_EQ(d.Take().front(), "ChooseFile BGMﾌｧｲﾙ (MP3 WAV)|*.MP3;*.WAV|ﾌｧｲﾙを開く|32768");
    }
}

TEST(Form, FileChoiceIsStoredInTheCodePageOrRefusedWithAMessageSayingWhy) {
    const std::string prefix = "C:\\Music\\";
    const std::string fills = prefix + std::string(254 - prefix.size() - 4, 'a') + ".mp3";
    const std::string over = prefix + std::string(255 - prefix.size() - 4, 'a') + ".mp3";
    const std::string odd = "C:\\Music\\Café ♫.wav";
    const std::string oddShort = "C:\\Music\\CAFE~1.WAV";
    std::string oddLong = prefix;  // 300 characters, but stored by its short form
    for (int i = 0; i < 290; ++i) {
        oddLong += "♫";
    }
    oddLong += ".wav";
    const struct {
        std::string chosen;
        bool exists;
        std::optional<std::string> codePagePath;  // as the platform gives it
        std::string stored;                       // empty: refused
        std::string message;
    } cases[] = {
        {prefix + "gone.mp3", false, prefix + "gone.mp3", "", prefix + "gone.mp3が見つかりません！"},
        {odd, true, oddShort, oddShort, ""},
        {odd, true, std::nullopt, "",
         odd + "は設定できません！名前にｼｽﾃﾑのｺｰﾄﾞﾍﾟｰｼﾞで書けない文字があり、ﾄﾞﾗｲﾌﾞに短い名前(8.3形式)"
               "もありません"},
        {fills, true, fills, fills, ""},
        {over, true, over, "", over + "はﾊﾟｽが長すぎます！(半角254文字まで)"},
        {oddLong, true, oddShort, oddShort, ""},
    };
    for (const auto& [chosen, exists, codePagePath, stored, message] : cases) {
        Dialog d(2, 0, "C:\\old.mp3");
        d.form.Form_Load();
        d.controls.chosenFile = chosen;
        if (exists) {
            d.platform.readableFiles = {chosen};
        }
        d.platform.codePagePaths = {{chosen, codePagePath}};
        d.Take();
        d.Click(d.cmdBgm);
        const Log log = d.Take();
        EXPECT_EQ(d.bgmFile, stored.empty() ? "C:\\old.mp3" : stored) << chosen;
        // The label shows the file by the name it was chosen by.
        EXPECT_EQ(d.controls.fileCaption, stored.empty() ? "C:\\old.mp3" : chosen) << chosen;
        EXPECT_EQ(log.back(), message.empty() ? "SetFileCaption " + chosen
                                              : "ShowMessage Quorrel (ScreenSaver): " + message);
    }
}

TEST(Form, StoredShortPathShowsByItsLongName) {
    Dialog d(2, 0, "C:\\Music\\CAFE~1.WAV");
    d.platform.longPaths = {{"C:\\Music\\CAFE~1.WAV", "C:\\Music\\Café ♫.wav"}};
    d.form.Form_Load();
    EXPECT_EQ(d.controls.fileCaption, "C:\\Music\\Café ♫.wav");
    EXPECT_EQ(d.bgmFile, "C:\\Music\\CAFE~1.WAV");
}

TEST(Form, FileButtonDoesNothingWhileDisabled) {
    Dialog d(1);
    d.form.Form_Load();
    d.Take();
    d.Click(d.cmdBgm);
    EXPECT_EQ(d.Take(), Log{});
}

TEST(Form, HomePageOpensUnderTheHourglassAndTheDialogStays) {
    Dialog d;
    d.form.Form_Load();
    d.Take();
    d.Click(d.cmdEtc);
    EXPECT_EQ(d.Take(),
              (Log{"SetMousePointer 11", "OpenAddress https://quorrel.invalid/works", "SetMousePointer 0"}));
}

}  // namespace
