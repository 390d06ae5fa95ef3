#include <chrono>

#include "clock_and_seed.h"

namespace {
template <typename Unit>
uint32_t SteadyCount() {
    // Wrapping to 32 bits is the clock's own behaviour.
    return static_cast<uint32_t>(
        std::chrono::duration_cast<Unit>(std::chrono::steady_clock::now().time_since_epoch()).count());
}
}  // namespace

uint32_t PlatformMilliseconds() {
    return SteadyCount<std::chrono::milliseconds>();
}

// Nanoseconds since boot differ from run to run, which is all a seed needs.
uint32_t PlatformSeedCounter() {
    return SteadyCount<std::chrono::nanoseconds>();
}
