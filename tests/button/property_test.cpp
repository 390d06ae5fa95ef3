// Loading and saving a button's properties: keys, defaults, values that are not stored.
#include <gtest/gtest.h>

#include "fake_site.h"

namespace {

using testing_button::Button;
using Vantor::PropertyBag;

TEST(Properties, AnEmptyBagGivesTheDefaults) {
    Button b;
    b.command.ReadProperties(PropertyBag{});
    EXPECT_TRUE(b.command.Enabled());
    EXPECT_EQ(b.command.Caption(), "Command");
    EXPECT_EQ(b.command.Font(), Vantor::DialogFont());
    EXPECT_EQ(b.command.FontColour(), 0u);
    EXPECT_EQ(b.command.Visible(), 255);
    EXPECT_EQ(b.site.lastSkin, Vantor::Skin::Normal);
}

TEST(Properties, ChangedValuesSurviveSaveAndLoad) {
    Button first;
    first.command.ReadProperties(PropertyBag{});
    Vantor::FontDesc bold = Vantor::DialogFont();
    bold.weight = 700;
    first.command.SetCaption("ｷｬﾝｾﾙ");
    first.command.SetFont(bold);
    first.command.SetFontColour(0x00336699);
    first.command.SetVisible(0);
    first.command.SetEnabled(false);
    PropertyBag bag;
    first.command.WriteProperties(bag);

    Button second;
    second.command.ReadProperties(bag);
    EXPECT_EQ(second.command.Caption(), "ｷｬﾝｾﾙ");
    EXPECT_EQ(second.command.Font(), bold);
    EXPECT_EQ(second.command.Visible(), 0);
    EXPECT_FALSE(second.command.Enabled());
    EXPECT_EQ(second.command.FontColour(), 0x00336699u);
}

TEST(Properties, ValuesEqualToTheirDefaultsAreNotStored) {
    Button b;
    b.command.ReadProperties(PropertyBag{});
    b.command.SetCaption("設定");
    PropertyBag bag;
    b.command.WriteProperties(bag);
    for (const char* key : {"Enabled", "Font", "FirstRun", "FontColour", "Visible"}) {
        EXPECT_FALSE(bag.Contains(key)) << key;
    }
    EXPECT_TRUE(bag.Contains("Caption"));
    // The default caption is the same in both directions, so it survives a save and a load.
    b.command.SetCaption("Command");
    b.command.WriteProperties(bag);
    EXPECT_FALSE(bag.Contains("Caption"));
    Button reloaded;
    reloaded.command.ReadProperties(bag);
    EXPECT_EQ(reloaded.command.Caption(), "Command");
}

TEST(Properties, ValuesThatDoNotConvertAreSkipped) {
    struct Case {
        const char* key;
        Vantor::PropertyValue value;
    };
    const Case cases[] = {{"Enabled", std::string("yes")},
                          {"FirstRun", static_cast<int64_t>(300)},
                          {"FontColour", static_cast<int64_t>(1) << 33},
                          {"Visible", static_cast<int64_t>(2)},
                          {"Font", std::string("Arial")}};
    for (const Case& c : cases) {
        Button b;
        PropertyBag bag;
        bag.WriteProperty(c.key, c.value, static_cast<int64_t>(-12345));
        bag.WriteProperty("FontColour",
                          c.key == std::string("FontColour") ? c.value : static_cast<int64_t>(0x55), "0");
        b.command.ReadProperties(bag);
        if (c.key == std::string("Enabled")) {
            EXPECT_EQ(b.site.faces, 0) << "stays disabled: nothing drawn";
        } else {
            EXPECT_EQ(b.command.Visible(), 255) << c.key;
            EXPECT_EQ(b.command.Font(), Vantor::DialogFont()) << c.key;
        }
        // FirstRun left at 0 by a bad value lets ResetLook blacken the caption.
        const uint32_t expectedColour =
            c.key == std::string("FirstRun") || c.key == std::string("FontColour") ? 0 : 0x55;
        EXPECT_EQ(b.command.Label().colour, expectedColour) << c.key;
    }
}

TEST(Properties, TextsSpellingNumbersEqualTheNumbers) {
    PropertyBag bag;
    bag.WriteProperty("FirstRun", static_cast<int64_t>(1), "1");
    bag.WriteProperty("Visible", " 1 ", static_cast<int64_t>(1));
    EXPECT_FALSE(bag.Contains("FirstRun"));
    EXPECT_FALSE(bag.Contains("Visible"));
    EXPECT_EQ(Vantor::NumberOf(std::string("+7")), 7);
    EXPECT_EQ(Vantor::NumberOf(std::string("7x")), std::nullopt);
    EXPECT_EQ(Vantor::TextOf(static_cast<int64_t>(-1)), "-1");
}

}  // namespace
