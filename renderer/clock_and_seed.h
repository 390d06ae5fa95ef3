#pragma once
// The two things the frame logic needs of the platform: the millisecond clock and a seed counter.
// Each is read through a replaceable source so tests and tools can pin them.
#include <cstdint>

using CounterSource = uint32_t (*)();

// The millisecond clock, read afresh by every computation that needs the time.
uint32_t ReadClock();
// The counter that seeds the random generator when no seed is given.
uint32_t ReadSeedCounter();

// nullptr restores the platform's own counter.
void SetClockSource(CounterSource source);
void SetSeedSource(CounterSource source);
// The counter stands still at this value, so a frame can be drawn again exactly.
void PinClock(uint32_t milliseconds);
void PinSeed(uint32_t seed);

// Implemented once per platform.
uint32_t PlatformMilliseconds();
uint32_t PlatformSeedCounter();
