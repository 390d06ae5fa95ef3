// Counts the frames the renderer presents and prints the count with the elapsed clock every second:
// "frames=N ms=T". The linker routes the frame loop's PresentFrame through here.
#include <windows.h>

#include <cstdio>

#include "frame.h"

extern "C" int __real__Z12PresentFramePK12PaletteEntry(const PaletteEntry* frame);

extern "C" int __wrap__Z12PresentFramePK12PaletteEntry(const PaletteEntry* frame) {
    static DWORD start = timeGetTime();
    static DWORD reported = 0;
    static unsigned long frames = 0;
    ++frames;
    const DWORD elapsed = timeGetTime() - start;
    if (elapsed - reported >= 1000) {
        reported = elapsed;
        std::printf("frames=%lu ms=%lu\n", frames, static_cast<unsigned long>(elapsed));
        std::fflush(stdout);
    }
    return __real__Z12PresentFramePK12PaletteEntry(frame);
}
