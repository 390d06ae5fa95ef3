#include "saver_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::variant<SaverOptions, std::string> Parse(std::vector<const char*> arguments,
                                              const char* screensaverWindow = nullptr) {
    arguments.insert(arguments.begin(), "quorrel");
    return ParseSaverOptions(static_cast<int>(arguments.size()), arguments.data(), screensaverWindow);
}

TEST(SaverOptionsTest, AcceptsBothDashesAndTheDaemonsWindow) {
    const struct {
        std::vector<const char*> arguments;
        const char* screensaverWindow;
        DrawTarget target;
        uint32_t windowId;
        uint32_t delayUs;
        const char* display;
        bool showFps;
    } cases[] = {
        {{}, nullptr, DrawTarget::OwnWindow, 0, kDefaultFrameDelayUs, "", false},
        {{"-root", "--delay", "0"}, nullptr, DrawTarget::Root, 0, 0, "", false},
        {{"--window-id", "0x4a00007"},
         nullptr,
         DrawTarget::WindowId,
         0x4a00007,
         kDefaultFrameDelayUs,
         "",
         false},
        {{"-delay", "20000"}, "0x600001", DrawTarget::WindowId, 0x600001, 20000, "", false},
        // -root is the daemon's window when it names one: its virtual root.
        {{"-root"}, "0x600001", DrawTarget::WindowId, 0x600001, kDefaultFrameDelayUs, "", false},
        {{"--root", "-fps"}, "0x600001", DrawTarget::WindowId, 0x600001, kDefaultFrameDelayUs, "", true},
        // An empty variable is no window.
        {{"-root"}, "", DrawTarget::Root, 0, kDefaultFrameDelayUs, "", false},
        {{"-delay", "1"}, "", DrawTarget::OwnWindow, 0, 1, "", false},
        // -window-id names a window outright, and the last target given wins.
        {{"-window-id", "77"}, "0x600001", DrawTarget::WindowId, 77, kDefaultFrameDelayUs, "", false},
        {{"-root", "-window-id", "77"}, nullptr, DrawTarget::WindowId, 77, kDefaultFrameDelayUs, "", false},
        {{"-window-id", "77", "-root"}, nullptr, DrawTarget::Root, 0, kDefaultFrameDelayUs, "", false},
        {{"-display", ":3", "--fps"}, nullptr, DrawTarget::OwnWindow, 0, kDefaultFrameDelayUs, ":3", true},
        // -window is the own window even where the daemon names one.
        {{"-root", "--window"}, "0x600001", DrawTarget::OwnWindow, 0, kDefaultFrameDelayUs, "", false},
        // The daemons' common options that change nothing here take their values all the same.
        {{"-fps", "-mono", "--install", "-noinstall", "-pair", "-xrm", "-root", "--no-fps"},
         nullptr,
         DrawTarget::OwnWindow,
         0,
         kDefaultFrameDelayUs,
         "",
         false},
        {{"--display", "host:0.1", "-root"},
         nullptr,
         DrawTarget::Root,
         0,
         kDefaultFrameDelayUs,
         "host:0.1",
         false},
    };
    for (const auto& c : cases) {
        const auto parsed = Parse(c.arguments, c.screensaverWindow);
        ASSERT_TRUE(std::holds_alternative<SaverOptions>(parsed)) << std::get<std::string>(parsed);
        const SaverOptions& options = std::get<SaverOptions>(parsed);
        EXPECT_EQ(options.target, c.target);
        EXPECT_EQ(options.windowId, c.windowId);
        EXPECT_EQ(options.delayUs, c.delayUs);
        EXPECT_EQ(options.display, c.display);
        EXPECT_EQ(options.showFps, c.showFps);
        EXPECT_FALSE(options.helpAsked || options.seed || options.clockMs);
    }

    const auto ownWindow = Parse({"-visual", "TrueColor", "--geometry", "800x600-0+0", "-sync"});
    ASSERT_TRUE(std::holds_alternative<SaverOptions>(ownWindow));
    EXPECT_EQ(std::get<SaverOptions>(ownWindow).visual, "TrueColor");
    EXPECT_EQ(std::get<SaverOptions>(ownWindow).geometry, "800x600-0+0");
    EXPECT_TRUE(std::get<SaverOptions>(ownWindow).synchronous);

    const auto pinned = Parse({"--seed", "42", "-clock-ms", "4294967295"});
    ASSERT_TRUE(std::holds_alternative<SaverOptions>(pinned));
    EXPECT_EQ(std::get<SaverOptions>(pinned).seed, 42u);
    EXPECT_EQ(std::get<SaverOptions>(pinned).clockMs, 4294967295u);
}

TEST(SaverOptionsTest, HelpOutranksEverythingElse) {
    for (const std::vector<const char*>& arguments : {std::vector<const char*>{"--help"},
                                                      {"-help"},
                                                      {"-root", "--help", "-delay"},
                                                      {"-help", "-bogus"}}) {
        const auto parsed = Parse(arguments, "not a window");
        ASSERT_TRUE(std::holds_alternative<SaverOptions>(parsed)) << std::get<std::string>(parsed);
        EXPECT_TRUE(std::get<SaverOptions>(parsed).helpAsked);
    }
    EXPECT_TRUE(std::string_view(kSaverHelp).starts_with("usage: quorrel "));
}

TEST(SaverOptionsTest, RefusesBadInputWithOneLineNamingIt) {
    const struct {
        std::vector<const char*> arguments;
        const char* screensaverWindow;
        const char* named;
    } cases[] = {
        {{"-frame-rate"}, nullptr, "'-frame-rate'"},
        {{"root"}, nullptr, "'root'"},
        {{"---root"}, nullptr, "'---root'"},
        {{"-window-id"}, nullptr, "-window-id needs a value"},
        {{"-display"}, nullptr, "-display needs a value"},
        {{"-xrm"}, nullptr, "-xrm needs a value"},
        {{"-no-fps=1"}, nullptr, "'-no-fps=1'"},
        {{"-window-id", "0x"}, nullptr, "'0x'"},
        {{"-window-id", "-5"}, nullptr, "'-5'"},
        {{"-delay", "4294967296"}, nullptr, "'4294967296'"},
        {{"-delay", "10ms"}, nullptr, "'10ms'"},
        {{"--seed", "0"}, nullptr, "non-zero"},
        {{}, "window", "XSCREENSAVER_WINDOW: 'window'"},
        {{"-root"}, "0x60000g", "XSCREENSAVER_WINDOW: '0x60000g'"},
    };
    for (const auto& c : cases) {
        const auto parsed = Parse(c.arguments, c.screensaverWindow);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << c.named;
        const std::string& reason = std::get<std::string>(parsed);
        EXPECT_NE(reason.find(c.named), std::string::npos) << reason;
        EXPECT_EQ(reason.find('\n'), std::string::npos) << reason;
    }
}

}  // namespace
