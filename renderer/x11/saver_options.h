#pragma once
// The X11 program's command line:
//   quorrel [-root | -window-id ID] [-delay US] [--seed S] [--clock-ms T]
// Options take one dash or two. A later option overrides an earlier one of its kind, so a daemon's
// own -root or -window-id may follow the ones in the program's description.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

enum class DrawTarget { OwnWindow, Root, WindowId };

// The environment variable in which a daemon names the window to draw into.
inline constexpr char kScreensaverWindowVariable[] = "XSCREENSAVER_WINDOW";

// Microseconds between frames for 60 frames per second.
inline constexpr uint32_t kDefaultFrameDelayUs = 16667;

struct SaverOptions {
    DrawTarget target = DrawTarget::OwnWindow;
    uint32_t windowId = 0;
    uint32_t delayUs = kDefaultFrameDelayUs;
    // Given: the noise is seeded with it instead of the platform's counter (never 0, which means
    // "no seed" to the noise tables).
    std::optional<uint32_t> seed;
    // Given: the clock stands still at this count.
    std::optional<uint32_t> clockMs;
};

// Options, or the one-line reason they are refused. screensaverWindow is the daemon's window id from
// the environment (nullptr when unset); it is the target when no -root or -window-id is given.
std::variant<SaverOptions, std::string> ParseSaverOptions(int argc, const char* const* argv,
                                                          const char* screensaverWindow);
