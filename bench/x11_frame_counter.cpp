// Counts the frames quorrel presents and prints "frames=N ms=T" about every second, T counted from
// the first frame, so the count survives the stop signal that ends the program. The linker routes
// the frame loop's PresentFrame through here.
#include <chrono>
#include <cstdio>

#include "frame.h"

namespace {

using Clock = std::chrono::steady_clock;
Clock::time_point firstFrame;
Clock::time_point reported;
unsigned long frames = 0;

}  // namespace

extern "C" int __real__Z12PresentFramePK12PaletteEntry(const PaletteEntry* frame);

extern "C" int __wrap__Z12PresentFramePK12PaletteEntry(const PaletteEntry* frame) {
    const Clock::time_point now = Clock::now();
    if (frames++ == 0) {
        firstFrame = reported = now;
    }
    if (now - reported >= std::chrono::seconds(1)) {
        reported = now;
        const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - firstFrame);
        std::printf("frames=%lu ms=%lld\n", frames - 1, static_cast<long long>(elapsed.count()));
        std::fflush(stdout);
    }
    return __real__Z12PresentFramePK12PaletteEntry(frame);
}
