#include "clock_and_seed.h"

namespace {
CounterSource clockSource = PlatformMilliseconds;
CounterSource seedSource = PlatformSeedCounter;
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
