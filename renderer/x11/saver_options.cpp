#include "saver_options.h"

#include <string_view>

#include "count_text.h"
#include "quoted_text.h"

namespace {

constexpr char kUsage[] = "usage: quorrel [-root | -window-id ID] [-delay US] [--seed S] [--clock-ms T]";

// "--name" and "-name" alike, as "-name".
std::string_view SingleDash(std::string_view option) {
    if (option.starts_with("--")) {
        option.remove_prefix(1);
    }
    return option;
}

}  // namespace

std::variant<SaverOptions, std::string> ParseSaverOptions(int argc, const char* const* argv,
                                                          const char* screensaverWindow) {
    SaverOptions options;
    bool targetGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view given = argv[i];
        const std::string_view option = SingleDash(given);
        if (option == "-root") {
            options.target = DrawTarget::Root;
            targetGiven = true;
            continue;
        }
        if (option != "-window-id" && option != "-delay" && option != "-seed" && option != "-clock-ms") {
            return "unknown option " + Quoted(given) + "; " + kUsage;
        }
        if (i + 1 == argc) {
            return std::string(given) + " needs a value";
        }
        const std::string_view text = argv[++i];
        const std::optional<uint32_t> value = ParseCount(text);
        if (!value || (option == "-seed" && *value == 0)) {
            return std::string(given) + ": " + Quoted(text) + " is no " +
                   (option == "-seed" ? "non-zero " : "") + "32-bit count";
        }
        if (option == "-window-id") {
            options.target = DrawTarget::WindowId;
            options.windowId = *value;
            targetGiven = true;
        } else if (option == "-delay") {
            options.delayUs = *value;
        } else if (option == "-seed") {
            options.seed = *value;
        } else {
            options.clockMs = *value;
        }
    }
    if (!targetGiven && screensaverWindow != nullptr) {
        const std::optional<uint32_t> window = ParseCount(screensaverWindow);
        if (!window) {
            return std::string(kScreensaverWindowVariable) + ": " + Quoted(screensaverWindow) +
                   " is no window id";
        }
        options.target = DrawTarget::WindowId;
        options.windowId = *window;
    }
    return options;
}
