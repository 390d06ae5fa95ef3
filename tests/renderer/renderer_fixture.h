#pragma once
// Shared set-up for renderer tests: a scripted clock and seed counter, zeroed noise tables and
// palettes, and the platform's sources and best vector unit restored afterwards.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

#include "frame.h"

class RendererTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Every clock reading returns time.
    static void PinClock(uint32_t time);
    // Successive clock readings return these values; the last one repeats.
    static void ScriptClock(std::initializer_list<uint32_t> readings);
    static int ClockReads();
    static void PinSeedCounter(uint32_t value);
    static void ClearNoiseTables();
};

bool operator==(const PaletteEntry& a, const PaletteEntry& b);
// Compares pixel runs and names the first pixel that differs.
::testing::AssertionResult SamePixels(const PaletteEntry* expected, const PaletteEntry* actual, int count);
