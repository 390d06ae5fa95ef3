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
    } cases[] = {
        {{}, nullptr, DrawTarget::OwnWindow, 0, kDefaultFrameDelayUs},
        {{"-root", "--delay", "0"}, nullptr, DrawTarget::Root, 0, 0},
        {{"--window-id", "0x4a00007"}, nullptr, DrawTarget::WindowId, 0x4a00007, kDefaultFrameDelayUs},
        {{"-delay", "20000"}, "0x600001", DrawTarget::WindowId, 0x600001, 20000},
        // An explicit target outranks the environment, and the last target given wins.
        {{"-root"}, "0x600001", DrawTarget::Root, 0, kDefaultFrameDelayUs},
        {{"-root", "-window-id", "77"}, nullptr, DrawTarget::WindowId, 77, kDefaultFrameDelayUs},
    };
    for (const auto& c : cases) {
        const auto parsed = Parse(c.arguments, c.screensaverWindow);
        ASSERT_TRUE(std::holds_alternative<SaverOptions>(parsed)) << std::get<std::string>(parsed);
        const SaverOptions& options = std::get<SaverOptions>(parsed);
        EXPECT_EQ(options.target, c.target);
        EXPECT_EQ(options.windowId, c.windowId);
        EXPECT_EQ(options.delayUs, c.delayUs);
        EXPECT_FALSE(options.seed || options.clockMs);
    }

    const auto pinned = Parse({"--seed", "42", "-clock-ms", "4294967295"});
    ASSERT_TRUE(std::holds_alternative<SaverOptions>(pinned));
    EXPECT_EQ(std::get<SaverOptions>(pinned).seed, 42u);
    EXPECT_EQ(std::get<SaverOptions>(pinned).clockMs, 4294967295u);
}

// One line, and the line names the option or value at fault.
TEST(SaverOptionsTest, RefusesBadInputWithOneLineNamingTheFault) {
    const struct {
        std::vector<const char*> arguments;
        const char* screensaverWindow;
        std::string reason;  // how the line begins
    } cases[] = {
        {{"-fps"}, nullptr, "unknown option '-fps'; usage: quorrel"},
        {{"root"}, nullptr, "unknown option 'root'"},
        {{"---root"}, nullptr, "unknown option '---root'"},
        {{"-window-id"}, nullptr, "-window-id needs a value"},
        {{"-window-id", "0x"}, nullptr, "-window-id: '0x' is no 32-bit count"},
        {{"-window-id", "-5"}, nullptr, "-window-id: '-5' is no 32-bit count"},
        {{"-delay", "4294967296"}, nullptr, "-delay: '4294967296' is no 32-bit count"},
        {{"-delay", "10ms"}, nullptr, "-delay: '10ms' is no 32-bit count"},
        {{"--seed", "0"}, nullptr, "--seed: '0' is no non-zero 32-bit count"},
        {{}, "window", std::string(kScreensaverWindowVariable) + ": 'window' is no window id"},
        {{"-delay", "1"}, "", std::string(kScreensaverWindowVariable) + ": '' is no window id"},
    };
    for (const auto& c : cases) {
        const auto parsed = Parse(c.arguments, c.screensaverWindow);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << c.reason;
        const std::string& reason = std::get<std::string>(parsed);
        EXPECT_TRUE(reason.starts_with(c.reason)) << reason;
        EXPECT_EQ(reason.find('\n'), std::string::npos) << reason;
    }
}

}  // namespace
