// quorrel: the renderer's animation as an X11 program for screen-saver daemons.
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "clock_and_seed.h"
#include "frame_wait.h"
#include "render_window_x11.h"
#include "saver_options.h"

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
    if (!CatchStopSignals()) {
        std::fprintf(stderr, "quorrel: cannot catch SIGTERM and SIGINT\n");
        return 1;
    }
    if (options.seed) {
        PinSeed(*options.seed);
    }
    if (options.clockMs) {
        PinClock(*options.clockMs);
    }
    SaverRun run;
    run.wholeFramesOnly = std::getenv(kWholeFramesVariable) != nullptr;
    if (const std::string failure = StartSaver(run, options, std::getenv(kOwnStretchVariable) != nullptr);
        !failure.empty()) {
        std::fprintf(stderr, "quorrel: %s\n", failure.c_str());
        return 1;
    }
    RunRendererOn(run);
    const RunEnd end = FreeSaver(run);
    if (end.signal != 0) {
        // Daemons tell a program's own end from the end they asked for by the status: the signal's.
        std::signal(end.signal, SIG_DFL);
        std::raise(end.signal);
    }
    return end.status;
}
