// The button's interaction: every (state, event) pair of interest, with the state reached, the face
// drawn and whether Click was raised.
#include <gtest/gtest.h>

#include <optional>

#include "fake_site.h"

namespace {

using testing_button::Button;
using Vantor::ButtonState;
using Vantor::Skin;

enum class Event {
    Move,
    WatchAway,
    WatchOver,
    FocusIn,
    FocusOut,
    DownLeft,
    DownRight,
    UpLeft,
    UpRight,
    HeldMove
};

void Apply(Button& b, Event event) {
    auto& c = b.command;
    switch (event) {
        case Event::Move:
            c.MouseMove(0, 0, 10, 10);
            break;
        case Event::WatchAway:
            b.site.pointerOver = false;
            c.TmrMouse_Timer();
            break;
        case Event::WatchOver:
            b.site.pointerOver = true;
            c.TmrMouse_Timer();
            break;
        case Event::FocusIn:
            c.GotFocus();
            break;
        case Event::FocusOut:
            c.LostFocus();
            break;
        case Event::DownLeft:
            c.MouseDown(Vantor::LeftButton, 0, 10, 10);
            break;
        case Event::DownRight:
            c.MouseDown(Vantor::RightButton, 0, 10, 10);
            break;
        case Event::UpLeft:
            c.MouseUp(Vantor::LeftButton, 0, 10, 10);
            break;
        case Event::UpRight:
            c.MouseUp(Vantor::RightButton, 0, 10, 10);
            break;
        case Event::HeldMove:
            c.MouseDown(Vantor::LeftButton, 0, 10, 10);
            c.MouseMove(1, 0, 10, 10);
            break;
    }
}

// A button as the dialog holds it (properties loaded), brought into the state by ordinary events.
void Reach(Button& b, ButtonState state, bool enabled) {
    auto& c = b.command;
    c.ReadProperties(Vantor::PropertyBag{});
    if (state != ButtonState::Uninitialised) {
        c.Initialize();
    }
    if (state == ButtonState::HighLight || state == ButtonState::HighLightSelect) {
        c.MouseMove(0, 0, 1, 1);
    }
    if (state == ButtonState::Selected || state == ButtonState::HighLightSelect) {
        c.GotFocus();
    }
    ASSERT_EQ(c.State(), state);
    if (!enabled) {
        c.SetEnabled(false);
    }
    b.site.faces = 0;
    b.clicks = 0;
}

struct Transition {
    ButtonState from;
    bool enabled;
    Event event;
    ButtonState to;
    std::optional<Skin> face;  // none: nothing drawn
    bool reversed;             // gradient direction afterwards
    int clicks;
};

constexpr auto S0 = ButtonState::Uninitialised, S1 = ButtonState::Normal, S2 = ButtonState::HighLight,
               S3 = ButtonState::Selected, S4 = ButtonState::HighLightSelect;
constexpr std::nullopt_t None = std::nullopt;

const Transition Transitions[] = {
    {S0, true, Event::Move, S0, None, false, 0},
    {S0, true, Event::FocusIn, S3, Skin::Selected, false, 0},
    {S0, true, Event::FocusOut, S1, Skin::Normal, false, 0},
    {S0, true, Event::UpLeft, S0, None, false, 1},
    {S1, true, Event::Move, S2, Skin::HighLight, true, 0},
    {S1, true, Event::WatchAway, S1, None, false, 0},
    {S1, true, Event::FocusIn, S3, Skin::Selected, false, 0},
    {S1, true, Event::FocusOut, S1, None, false, 0},
    {S1, true, Event::DownLeft, S1, Skin::Pressed, false, 0},
    {S1, true, Event::DownRight, S1, None, false, 0},
    {S1, true, Event::UpRight, S1, None, false, 1},
    {S2, true, Event::Move, S2, None, true, 0},
    {S2, true, Event::WatchAway, S1, Skin::Normal, false, 0},
    {S2, true, Event::WatchOver, S2, None, true, 0},
    {S2, true, Event::FocusIn, S4, Skin::Pressed, true, 0},
    {S2, true, Event::FocusOut, S1, Skin::Normal, false, 0},
    {S2, true, Event::DownLeft, S2, Skin::Pressed, true, 0},
    {S2, true, Event::UpLeft, S2, Skin::Normal, true, 1},
    {S2, true, Event::UpRight, S2, None, true, 1},
    {S3, true, Event::Move, S4, Skin::HighLightSelect, false, 0},
    {S3, true, Event::HeldMove, S3, Skin::Pressed, false, 0},
    {S3, true, Event::WatchAway, S3, None, false, 0},
    {S3, true, Event::FocusIn, S3, Skin::Selected, false, 0},
    {S3, true, Event::FocusOut, S1, Skin::Normal, false, 0},
    {S3, true, Event::UpLeft, S3, None, false, 0},
    {S3, true, Event::UpRight, S3, None, false, 0},
    {S4, true, Event::Move, S4, None, true, 0},
    {S4, true, Event::WatchAway, S3, Skin::Selected, false, 0},
    {S4, true, Event::UpLeft, S4, Skin::HighLightSelect, true, 1},
    {S4, true, Event::FocusIn, S3, Skin::Selected, false, 0},
    {S4, true, Event::FocusOut, S1, Skin::Normal, false, 0},
    // A disabled button ignores the mouse, the focus and the pointer watch.
    {S2, false, Event::Move, S2, None, true, 0},
    {S2, false, Event::WatchAway, S2, None, true, 0},
    {S2, false, Event::FocusIn, S2, None, true, 0},
    {S2, false, Event::FocusOut, S2, None, true, 0},
    {S2, false, Event::DownLeft, S2, None, true, 0},
    {S2, false, Event::UpLeft, S2, None, true, 0},
    {S1, false, Event::UpRight, S1, None, false, 0},
};

void PrintTo(const Transition& t, std::ostream* out) {
    *out << "state " << static_cast<int>(t.from) << (t.enabled ? "" : " disabled") << ", event "
         << static_cast<int>(t.event);
}

class TransitionTest : public testing::TestWithParam<Transition> {};

TEST_P(TransitionTest, EndsInStateWithFaceAndClick) {
    const Transition& t = GetParam();
    Button b;
    Reach(b, t.from, t.enabled);
    Apply(b, t.event);
    EXPECT_EQ(b.command.State(), t.to);
    if (t.face) {
        EXPECT_GT(b.site.faces, 0);
        EXPECT_EQ(b.site.lastSkin, *t.face);
        EXPECT_EQ(b.site.lastReversed, t.reversed);
    } else {
        EXPECT_EQ(b.site.faces, 0);
    }
    EXPECT_EQ(b.command.GradientReversed(), t.reversed);
    EXPECT_EQ(b.clicks, t.clicks);
}

INSTANTIATE_TEST_SUITE_P(Table, TransitionTest, testing::ValuesIn(Transitions));

TEST(Command, InitializeStartsTheWatchWithoutDrawing) {
    Button b;
    b.command.ReadProperties(Vantor::PropertyBag{});
    b.site.faces = 0;
    b.command.Initialize();
    EXPECT_EQ(b.command.State(), S1);
    EXPECT_EQ(b.site.watchInterval, 100u);
    EXPECT_EQ(b.site.faces, 0);
}

TEST(Command, ClickWithoutFocusThenDraggedOff) {
    Button b;
    Reach(b, S1, true);
    Apply(b, Event::Move);
    Apply(b, Event::FocusIn);  // the press takes the focus first
    Apply(b, Event::DownLeft);
    EXPECT_EQ(b.site.lastSkin, Skin::Pressed);
    Apply(b, Event::WatchAway);  // dragged off while held
    EXPECT_EQ(b.command.State(), S3);
    Apply(b, Event::Move);  // back over it, still held: stays
    EXPECT_EQ(b.command.State(), S3);
    Apply(b, Event::UpLeft);
    EXPECT_EQ(b.clicks, 0);
    Apply(b, Event::Move);  // released now: the pointer-over face returns
    EXPECT_EQ(b.command.State(), S4);
    Apply(b, Event::UpLeft);
    EXPECT_EQ(b.clicks, 1);
}

TEST(Command, DisablingKeepsStateAndShowsDisableFace) {
    Button b;
    Reach(b, S2, true);
    b.command.SetEnabled(false);
    EXPECT_EQ(b.site.lastSkin, Skin::Disable);
    EXPECT_FALSE(b.command.Label().enabled);
    EXPECT_EQ(b.command.State(), S2);
    b.command.SetEnabled(true);
    EXPECT_EQ(b.site.lastSkin, Skin::Normal);
    EXPECT_TRUE(b.command.Label().enabled);
    EXPECT_EQ(b.command.State(), S2);
}

TEST(Command, ReadingEnabledRedrawsTheNormalOrDisableFace) {
    for (bool enabled : {true, false}) {
        Button b;
        Reach(b, S4, enabled);
        EXPECT_EQ(b.command.Enabled(), enabled);
        EXPECT_EQ(b.site.lastSkin, enabled ? Skin::Normal : Skin::Disable);
        EXPECT_EQ(b.command.State(), S4);
    }
}

TEST(Command, NewButtonGetsItsDefaultsOnFirstReadingOfEnabled) {
    Button b;
    EXPECT_EQ(b.command.Caption(), "Command");
    EXPECT_TRUE(b.command.Enabled());
    EXPECT_EQ(b.site.lastSkin, Skin::Normal);
    Vantor::PropertyBag bag;
    b.command.WriteProperties(bag);
    EXPECT_FALSE(bag.Contains("FirstRun"));
    EXPECT_FALSE(bag.Contains("Enabled"));
}

TEST(Command, ResetLookBlackensTheCaptionUntilFirstRun) {
    Button b;
    b.command.SetEnabled(true);  // FirstRun still 0
    b.command.SetFontColour(0x0000FF);
    EXPECT_EQ(b.command.Label().colour, 0u);
    b.command.Enabled();  // FirstRun becomes 1
    b.command.SetFontColour(0x0000FF);
    EXPECT_EQ(b.command.FontColour(), 0x0000FFu);
}

TEST(Command, ReadingVisibleRedrawsOnlyAnOpaqueEnabledFace) {
    Button b;
    Reach(b, S2, true);
    EXPECT_EQ(b.command.Visible(), 255);
    EXPECT_EQ(b.site.lastSkin, Skin::Normal);
    b.command.SetVisible(0);
    b.site.faces = 0;
    EXPECT_EQ(b.command.Visible(), 0);
    EXPECT_EQ(b.site.faces, 0);

    Button disabled;
    Reach(disabled, S2, false);
    EXPECT_EQ(disabled.command.Visible(), 255);
    EXPECT_EQ(disabled.site.faces, 0);
    EXPECT_FALSE(disabled.command.Label().enabled);
}

TEST(Command, SettersNotifyTheContainer) {
    Button b;
    b.command.SetCaption("設定");
    b.command.SetFont(Vantor::DialogFont());
    b.command.SetFontColour(5);
    b.command.SetEnabled(true);
    b.command.SetVisible(1);
    EXPECT_EQ(b.site.changed,
              (std::vector<std::string>{"Caption", "Font", "FontColour", "Enabled", "Visible"}));
}

TEST(Command, CaptionSitsCentredOverATwentyFivePixelFace) {
    Button b(73, 25);
    Reach(b, S1, true);
    EXPECT_FLOAT_EQ(b.command.Label().top, 80.0f);
    EXPECT_FLOAT_EQ(b.command.Label().left, 0.0f);
    EXPECT_FLOAT_EQ(b.command.Label().width, 73 * 15.0f);
}

}  // namespace
