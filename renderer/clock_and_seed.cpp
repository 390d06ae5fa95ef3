#include "clock_and_seed.h"

namespace {
CounterSource clockSource = PlatformMilliseconds;
CounterSource seedSource = PlatformSeedCounter;
uint32_t pinnedClock;
uint32_t pinnedSeed;
}  // namespace

uint32_t ReadClock() {
    return clockSource();
}
uint32_t ReadSeedCounter() {
    return seedSource();
}

void SetClockSource(CounterSource source) {
    clockSource = source ? source : PlatformMilliseconds;
}
void SetSeedSource(CounterSource source) {
    seedSource = source ? source : PlatformSeedCounter;
}

void PinClock(uint32_t milliseconds) {
    pinnedClock = milliseconds;
    SetClockSource([] { return pinnedClock; });
}
void PinSeed(uint32_t seed) {
    pinnedSeed = seed;
    SetSeedSource([] { return pinnedSeed; });
}
