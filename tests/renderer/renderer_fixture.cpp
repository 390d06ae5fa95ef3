#include "renderer_fixture.h"

#include <algorithm>
#include <iterator>

#include "clock_and_seed.h"
#include "noise.h"
#include "sprite_blend.h"

namespace {
std::vector<uint32_t> clockReadings;
int clockReads;
uint32_t seedCounter;

uint32_t ScriptedClock() {
    const size_t index = std::min<size_t>(clockReads, clockReadings.size() - 1);
    ++clockReads;
    return clockReadings[index];
}

uint32_t ScriptedSeed() {
    return seedCounter;
}
}  // namespace

void RendererTest::SetUp() {
    PinClock(0);
    PinSeedCounter(1);
    SetClockSource(ScriptedClock);
    SetSeedSource(ScriptedSeed);
    ClearNoiseTables();
    std::fill(std::begin(CornerPalette), std::end(CornerPalette), PaletteEntry{});
    std::fill(std::begin(AxisPalette), std::end(AxisPalette), PaletteEntry{});
}

void RendererTest::TearDown() {
    SetClockSource(nullptr);
    SetSeedSource(nullptr);
    UseSimdLevel(BestSimdLevel());
}

void RendererTest::PinClock(uint32_t time) {
    ScriptClock({time});
}

void RendererTest::ScriptClock(std::initializer_list<uint32_t> readings) {
    clockReadings = readings;
    clockReads = 0;
}

int RendererTest::ClockReads() {
    return clockReads;
}

void RendererTest::PinSeedCounter(uint32_t value) {
    seedCounter = value;
}

void RendererTest::ClearNoiseTables() {
    RandomState = 0;
    std::fill(std::begin(NoisePermutation), std::end(NoisePermutation), 0);
    std::fill(std::begin(NoiseSlopes), std::end(NoiseSlopes), 0.0);
}

bool operator==(const PaletteEntry& a, const PaletteEntry& b) {
    return a.blue == b.blue && a.green == b.green && a.red == b.red && a.reserved == b.reserved;
}

::testing::AssertionResult SamePixels(const PaletteEntry* expected, const PaletteEntry* actual, int count) {
    const auto [wanted, got] = std::mismatch(expected, expected + count, actual);
    if (wanted == expected + count) {
        return ::testing::AssertionSuccess();
    }
    const auto index = wanted - expected;
    return ::testing::AssertionFailure()
           << "pixel " << index << " (row " << index / kFrameWidth << ", column " << index % kFrameWidth
           << "): expected bgr " << +wanted->blue << "," << +wanted->green << "," << +wanted->red
           << " reserved " << +wanted->reserved << ", got " << +got->blue << "," << +got->green << ","
           << +got->red << " reserved " << +got->reserved;
}
