// Counts the frames quorrel presents and prints "frames=N ms=T" when it ends, T counted from the
// first frame. The linker routes the frame loop's PresentFrame through here.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "frame.h"

namespace {

using Clock = std::chrono::steady_clock;
Clock::time_point firstFrame;
unsigned long frames = 0;

void Report() {
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - firstFrame);
    std::printf("frames=%lu ms=%lld\n", frames, static_cast<long long>(elapsed.count()));
}

}  // namespace

extern "C" int __real__Z12PresentFramePK12PaletteEntry(const PaletteEntry* frame);

extern "C" int __wrap__Z12PresentFramePK12PaletteEntry(const PaletteEntry* frame) {
    if (frames++ == 0) {
        firstFrame = Clock::now();
        std::atexit(Report);
    }
    return __real__Z12PresentFramePK12PaletteEntry(frame);
}
