// quorrel: the renderer's animation as an X11 program for screen-saver daemons.
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "clock_and_seed.h"
#include "count_text.h"
#include "render_window_x11.h"
#include "saver_options.h"

namespace {

// The clock of QUORREL_CLOCK_RUN_MS.
uint32_t clockHeldAt;
uint32_t clockRunMs;
uint32_t clockStartedAt;
uint32_t RunThenHoldClock() {
    return clockHeldAt - clockRunMs + std::min(PlatformMilliseconds() - clockStartedAt, clockRunMs);
}

}  // namespace

int main(int argc, char** argv) {
    const auto parsed = ParseSaverOptions(argc, argv, std::getenv(kScreensaverWindowVariable));
    if (const std::string* refusal = std::get_if<std::string>(&parsed)) {
        std::fprintf(stderr, "quorrel: %s\n", refusal->c_str());
        return 2;
    }
    const SaverOptions& options = std::get<SaverOptions>(parsed);
    if (options.helpAsked) {
        std::fputs(kSaverHelp, stdout);
        return 0;
    }
    // A daemon ends its program with SIGTERM and expects it gone at once, even while the server does not
    // answer: the signal's default action ends it where it stands, and the server and the kernel free
    // what it held. Started in the background of a shell, SIGINT would come ignored.
    if (std::signal(SIGTERM, SIG_DFL) == SIG_ERR || std::signal(SIGINT, SIG_DFL) == SIG_ERR) {
        std::fprintf(stderr, "quorrel: cannot take SIGTERM and SIGINT by their default action\n");
        return 1;
    }
    if (options.seed) {
        PinSeed(*options.seed);
    }
    if (options.clockMs) {
        PinClock(*options.clockMs);
        const char* run = std::getenv(kClockRunVariable);
        if (const std::optional<uint32_t> runMs = ParseCount(run != nullptr ? run : "")) {
            clockHeldAt = *options.clockMs;
            clockRunMs = *runMs;
            clockStartedAt = PlatformMilliseconds();
            SetClockSource(RunThenHoldClock);
        }
    }
    SaverRun run;
    run.wholeFramesOnly = std::getenv(kWholeFramesVariable) != nullptr;
    if (const std::string failure =
            StartSaver(run, options, OwnStretchForced(std::getenv(kOwnStretchVariable)));
        !failure.empty()) {
        std::fprintf(stderr, "quorrel: %s\n", failure.c_str());
        return 1;
    }
    RunRendererOn(run);
    return FreeSaver(run);
}
