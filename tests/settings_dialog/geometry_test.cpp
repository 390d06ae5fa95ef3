// Placement, painted rows, the track box's texts and the tab ring.
#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "paint_gradient.h"
#include "placement.h"
#include "repeat_track.h"
#include "tab_ring.h"

namespace {

using Vantor_P::GradientSurface;
using Vantor_P::TwipPoint;

TEST(Placement, CentredAtAThirdOfTheFreeHeight) {
    struct Case {
        double screenW, screenH, dialogW, dialogH;
        TwipPoint expected;
    };
    const Case cases[] = {
        {15360, 11520, 7275, 4110, {4042, 2470}},    // 1024 x 768 pixels at 15 twips per pixel
        {15360, 11520, 7275.5, 4110, {4042, 2470}},  // 8084.5 rounds to the even 8084
        {15360, 11520, 7274.5, 4110, {4043, 2470}},  // 8085.5 rounds to 8086
        {4800, 3600, 7275, 4110, {-1237, -170}},     // larger than the screen: truncated toward zero
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Vantor_P::DialogPosition(c.screenW, c.screenH, c.dialogW, c.dialogH), c.expected)
            << c.screenW;
    }
}

TEST(PaintGradient, DarkEdgesLightMiddle) {
    const auto window = Vantor_P::GradientRows(252, GradientSurface::Window);
    const auto panel = Vantor_P::GradientRows(165, GradientSurface::Panel);
    ASSERT_EQ(window.size(), 253u);
    ASSERT_EQ(panel.size(), 166u);
    EXPECT_EQ(window.front(), 0x00001Eu);
    EXPECT_EQ(panel.front(), 0x1E1E1Eu);
    EXPECT_EQ(window[126], 0xDCDCFAu);  // RGB(220, 220, 250) at half height
    EXPECT_EQ(panel[82], 0xFAFAFAu);    // RGB(250, 250, 250)
    // 3.142 is a little more than pi: the last row's level, |sin| x 220, is 0.09 and rounds to black.
    EXPECT_EQ(Vantor_P::GradientLevel(252, 252), 0);
    EXPECT_LE(window.back() & 0xFF, 31u);
    for (size_t y = 1; y < 126; ++y) {
        EXPECT_GE(window[y] & 0xFF, window[y - 1] & 0xFF) << y;
    }
}

TEST(PaintGradient, CollapsedSurfaceHasNoRows) {
    for (const double height : {0.0, -1.0, -252.0}) {
        EXPECT_TRUE(Vantor_P::GradientRows(height, GradientSurface::Window).empty()) << height;
        EXPECT_TRUE(Vantor_P::GradientRows(height, GradientSurface::Panel).empty()) << height;
    }
}

TEST(RepeatTrack, ListAndFormat) {
    const auto list = Vantor_P::TrackList();
    ASSERT_EQ(list.size(), 31u);
    EXPECT_EQ(list.front(), "");
    EXPECT_EQ(list[1], "1");
    EXPECT_EQ(list.back(), "30");
    EXPECT_EQ(Vantor_P::FormatTrack(0), "");
    EXPECT_EQ(Vantor_P::FormatTrack(-3), "-3");
}

TEST(RepeatTrack, TextToStoredNumber) {
    const std::pair<const char*, int16_t> cases[] = {
        {"", 0},   {"abc", 0}, {"7", 7},    {"2.5", 2},       {"3.5", 4},   {" 12 ", 12},
        {"+5", 5}, {"-3", -3}, {"1e1", 10}, {"32767", 32767}, {"32768", 0}, {"-99999", 0},
        {"7x", 0}, {"0.4", 0}, {"+-5", 0},  {"+", 0},
    };
    for (const auto& [text, stored] : cases) {
        EXPECT_EQ(Vantor_P::TrackFromText(text), stored) << '"' << text << '"';
    }
}

TEST(TabRing, FollowsTheTabIndexesRoundAndSkipsWhatCannotTakeTheFocus) {
    struct Case {
        std::string_view from;
        bool backwards;
        std::set<std::string_view> open;  // the controls that can take the focus
        std::string_view expected;
    };
    const std::set<std::string_view> cd = {"Pic_C", "BGM_Repeat", "Cmd_Set", "Cmd_Can", "Cmd_Etc"};
    const std::set<std::string_view> file = {"Pic_C", "Cmd_BGM", "Cmd_Set", "Cmd_Can", "Cmd_Etc"};
    const Case cases[] = {
        {"Pic_C", false, cd, "BGM_Repeat"},
        {"BGM_Repeat", false, cd, "Cmd_Set"},  // "..." disabled
        {"Cmd_Etc", false, cd, "Pic_C"},
        {"Pic_C", false, file, "Cmd_BGM"},
        {"Pic_C", true, cd, "Cmd_Etc"},
        {"Cmd_Set", true, file, "Cmd_BGM"},
        {"", false, cd, "Pic_C"},
        {"", true, cd, "Cmd_Etc"},
        {"Cmd_Can", false, {"Cmd_Can"}, "Cmd_Can"},
        {"Cmd_Can", false, {}, ""},
    };
    for (const Case& c : cases) {
        const auto open = [&c](std::string_view name) { return c.open.count(name) != 0; };
        EXPECT_EQ(Vantor_P::NextTabStop(c.from, c.backwards, open), c.expected)
            << c.from << " " << c.backwards;
    }
}

}  // namespace
