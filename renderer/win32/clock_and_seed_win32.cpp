#include <windows.h>
// After windows.h, which it builds on.
#include <mmsystem.h>

#include "clock_and_seed.h"

uint32_t PlatformMilliseconds() {
    return timeGetTime();
}

uint32_t PlatformSeedCounter() {
    LARGE_INTEGER counter;
    if (QueryPerformanceCounter(&counter)) {
        return static_cast<uint32_t>(counter.LowPart);
    }
    return GetTickCount();
}
