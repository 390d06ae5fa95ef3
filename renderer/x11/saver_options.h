#pragma once
// The X11 program's command line: its own options and those every program of the daemons takes, so
// that lines can be copied between programs (kSaverHelp lists them). Options take one dash or two. A
// later option overrides an earlier one of its kind, so a daemon's own -root or -window-id may follow
// the ones in the program's description.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

// Root is the real root window: -root names the daemon's window instead when the daemon gives one.
enum class DrawTarget { OwnWindow, Root, WindowId };

// The environment variable in which a daemon names the window to draw into (its virtual root).
inline constexpr char kScreensaverWindowVariable[] = "XSCREENSAVER_WINDOW";

// Set to anything but empty or 0: the frame is stretched and converted by quorrel even where the server
// could scale it. Meant for the tests and the bench, which compare the two ways.
inline constexpr char kOwnStretchVariable[] = "QUORREL_OWN_STRETCH";
// Whether the value of QUORREL_OWN_STRETCH (nullptr when unset) forces the own stretch.
bool OwnStretchForced(const char* ownStretch);

// Test-only, with --clock-ms T: set to D, the clock starts at T - D and runs up to T, where it stops, so
// that a test sees the figure move and then hold still.
inline constexpr char kClockRunVariable[] = "QUORREL_CLOCK_RUN_MS";

// Microseconds between frames for 60 frames per second.
inline constexpr uint32_t kDefaultFrameDelayUs = 16667;

// What --help prints: the synopsis and a line for each option.
extern const char kSaverHelp[];

struct SaverOptions {
    DrawTarget target = DrawTarget::OwnWindow;
    uint32_t windowId = 0;
    uint32_t delayUs = kDefaultFrameDelayUs;
    // Empty: the display DISPLAY names.
    std::string display;
    // A frame-rate read-out over the frame.
    bool showFps = false;
    // The own window's visual: a class name, "default", "best" or a visual id; empty is the default.
    std::string visual;
    // The own window's size and place as X geometries are written ("800x600+10-0"); empty is 640 x 480.
    std::string geometry;
    // Every request waits for the server's answer, for finding a fault.
    bool synchronous = false;
    // --help was given: print kSaverHelp and do nothing else.
    bool helpAsked = false;
    // Given: the noise is seeded with it instead of the platform's counter (never 0, which means
    // "no seed" to the noise tables).
    std::optional<uint32_t> seed;
    // Given: the clock stands still at this count.
    std::optional<uint32_t> clockMs;
};

// Options, or the one-line reason they are refused. screensaverWindow is the value of
// XSCREENSAVER_WINDOW (nullptr when unset; empty counts as unset): the target for -root, and with no
// -root or -window-id at all.
std::variant<SaverOptions, std::string> ParseSaverOptions(int argc, const char* const* argv,
                                                          const char* screensaverWindow);
