#include "saver_options.h"

#include <string_view>

#include "count_text.h"
#include "quoted_text.h"

const char kSaverHelp[] =
    "usage: quorrel [-root | -window | -window-id ID] [-display NAME] [-delay US] [-fps | -no-fps] ...\n"
    "  -root           draw into the screen saver's window (XSCREENSAVER_WINDOW), else the root window\n"
    "  -window         draw into a window of its own (the default unless XSCREENSAVER_WINDOW is set)\n"
    "  -window-id ID   draw into window ID (decimal or 0x hex)\n"
    "  -display NAME   the X display to use instead of DISPLAY\n"
    "  -delay US       microseconds from frame to frame (16667: 60 frames per second; 0 unpaced)\n"
    "  -fps            show the frame rate in a corner\n"
    "  -no-fps         do not (the default)\n"
    "  -geometry G     the own window's size and place, WxH+X+Y\n"
    "  -visual V       the own window's visual: TrueColor, default, best or an id; the default\n"
    "                  visual, with a warning, when the server offers no such visual to draw on\n"
    "  -sync           wait for the X server after every request (for finding faults)\n"
    "  -mono, -install, -noinstall, -pair, -xrm R\n"
    "                  accepted and without effect: quorrel draws in colour, on TrueColor only,\n"
    "                  in one window, and reads no X resources\n"
    "  --seed S --clock-ms T\n"
    "                  seed the noise with S and stop the clock at T\n"
    "  --help          this text\n"
    "Options take one dash or two.\n";

namespace {

enum class Takes { Nothing, Count, Text };

struct OptionRow {
    std::string_view name;
    Takes takes;
};

constexpr OptionRow kOptions[] = {
    {"-root", Takes::Nothing},      {"-window", Takes::Nothing}, {"-window-id", Takes::Count},
    {"-display", Takes::Text},      {"-delay", Takes::Count},    {"-fps", Takes::Nothing},
    {"-no-fps", Takes::Nothing},    {"-geometry", Takes::Text},  {"-visual", Takes::Text},
    {"-sync", Takes::Nothing},      {"-mono", Takes::Nothing},   {"-install", Takes::Nothing},
    {"-noinstall", Takes::Nothing}, {"-pair", Takes::Nothing},   {"-xrm", Takes::Text},
    {"-seed", Takes::Count},        {"-clock-ms", Takes::Count}, {"-help", Takes::Nothing},
};

// "--name" and "-name" alike, as "-name".
std::string_view SingleDash(std::string_view option) {
    if (option.starts_with("--")) {
        option.remove_prefix(1);
    }
    return option;
}

const OptionRow* FindOption(std::string_view option) {
    for (const OptionRow& row : kOptions) {
        if (row.name == option) {
            return &row;
        }
    }
    return nullptr;
}

std::string Synopsis() {
    const std::string_view help = kSaverHelp;
    return std::string(help.substr(0, help.find('\n')));
}

}  // namespace

bool OwnStretchForced(const char* ownStretch) {
    return ownStretch != nullptr && *ownStretch != '\0' && std::string_view(ownStretch) != "0";
}

std::variant<SaverOptions, std::string> ParseSaverOptions(int argc, const char* const* argv,
                                                          const char* screensaverWindow) {
    SaverOptions options;
    bool targetGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view given = argv[i];
        const std::string_view option = SingleDash(given);
        const OptionRow* row = FindOption(option);
        if (row == nullptr) {
            return "unknown option " + Quoted(given) + "; " + Synopsis();
        }
        if (option == "-help") {
            options.helpAsked = true;
            return options;
        }
        if (option == "-root" || option == "-window") {
            options.target = option == "-root" ? DrawTarget::Root : DrawTarget::OwnWindow;
            options.windowId = 0;
            targetGiven = true;
            continue;
        }
        if (row->takes == Takes::Nothing) {
            if (option == "-fps" || option == "-no-fps") {
                options.showFps = option == "-fps";
            } else if (option == "-sync") {
                options.synchronous = true;
            }
            continue;
        }
        if (i + 1 == argc) {
            return std::string(given) + " needs a value";
        }
        const std::string_view text = argv[++i];
        if (row->takes == Takes::Text) {
            if (option == "-display") {
                options.display = text;
            } else if (option == "-geometry") {
                options.geometry = text;
            } else if (option == "-visual") {
                options.visual = text;
            }
            continue;
        }
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
    const bool daemonWindowGiven = screensaverWindow != nullptr && *screensaverWindow != '\0';
    if (daemonWindowGiven && (!targetGiven || options.target == DrawTarget::Root)) {
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
