// The X11 program's options with the daemon's XSCREENSAVER_WINDOW: the input is the arguments split at
// NUL bytes, the first of them the variable's value when the first byte is odd.
#include <cstdio>
#include <string>
#include <variant>

#include "fuzz_input.h"
#include "saver_options.h"

namespace {

std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", value);
    return text;
}

// The options written out as a command line, the daemon's variable left unset.
std::vector<std::string> Written(const SaverOptions& options) {
    std::vector<std::string> arguments;
    if (options.target == DrawTarget::Root) {
        arguments = {"-root"};
    } else if (options.target == DrawTarget::WindowId) {
        arguments = {"-window-id", Hex(options.windowId)};
    }
    arguments.insert(arguments.end(), {"-delay", std::to_string(options.delayUs)});
    if (!options.display.empty()) {
        arguments.insert(arguments.end(), {"--display", options.display});
    }
    if (options.showFps) {
        arguments.push_back("-fps");
    }
    if (!options.visual.empty()) {
        arguments.insert(arguments.end(), {"-visual", options.visual});
    }
    if (!options.geometry.empty()) {
        arguments.insert(arguments.end(), {"--geometry", options.geometry});
    }
    if (options.synchronous) {
        arguments.push_back("--sync");
    }
    if (options.seed) {
        arguments.insert(arguments.end(), {"--seed", std::to_string(*options.seed)});
    }
    if (options.clockMs) {
        arguments.insert(arguments.end(), {"--clock-ms", Hex(*options.clockMs)});
    }
    return arguments;
}

bool Same(const SaverOptions& a, const SaverOptions& b) {
    return a.target == b.target && (a.target != DrawTarget::WindowId || a.windowId == b.windowId) &&
           a.delayUs == b.delayUs && a.display == b.display && a.showFps == b.showFps &&
           a.visual == b.visual && a.geometry == b.geometry && a.synchronous == b.synchronous &&
           a.seed == b.seed && a.clockMs == b.clockMs;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using fuzz::Require;
    const std::string input(reinterpret_cast<const char*>(data), size);
    if (input.empty()) {
        return 0;
    }
    std::vector<std::string> arguments = fuzz::Pieces(std::string_view(input).substr(1), 32);
    std::string window;
    const bool windowSet = (input[0] & 1) != 0;
    if (windowSet) {
        window = arguments.front();
        arguments.erase(arguments.begin());
    }
    const std::vector<const char*> argv = fuzz::Argv(arguments);
    const auto parsed = ParseSaverOptions(static_cast<int>(argv.size() - 1), argv.data(),
                                          windowSet ? window.c_str() : nullptr);
    if (const auto* refusal = std::get_if<std::string>(&parsed)) {
        Require(fuzz::OneLine(*refusal), "a refusal is one line", input);
        return 0;
    }
    const SaverOptions& options = std::get<SaverOptions>(parsed);
    // A request for help outranks the rest, which is then not read.
    if (options.helpAsked) {
        return 0;
    }
    Require(!options.seed || *options.seed != 0, "a seed is never 0", input);
    // What was taken, written out again, is taken the same.
    const std::vector<std::string> written = Written(options);
    const std::vector<const char*> again = fuzz::Argv(written);
    const auto reparsed = ParseSaverOptions(static_cast<int>(again.size() - 1), again.data(), nullptr);
    Require(std::holds_alternative<SaverOptions>(reparsed) && Same(std::get<SaverOptions>(reparsed), options),
            "options written out read back the same", input);
    return 0;
}
