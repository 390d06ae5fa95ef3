#include "noise.h"

#include <cmath>
#include <set>
#include <vector>

#include "renderer_fixture.h"

namespace {

using NoiseTest = RendererTest;

TEST_F(NoiseTest, GeneratorFollowsItsRecurrenceAndWrapsAt32Bits) {
    struct Case {
        uint32_t seed;
        uint32_t states[2];
    };
    for (const Case& c : {Case{1, {134775814u, 3698175007u}}, Case{0xFFFFFFFFu, {4160191484u, 866343917u}}}) {
        RandomState = c.seed;
        for (uint32_t state : c.states) {
            EXPECT_EQ(NextRandom(), state * 0x1p-32);
            EXPECT_EQ(RandomState, state);
        }
    }
}

TEST_F(NoiseTest, TablesFromSeedOneMatchHandWorkedValues) {
    InitNoiseTables(1);
    EXPECT_EQ(NoiseSlopes[0], -0.9375);
    EXPECT_EQ(NoiseSlopes[1], 0.71875);
    EXPECT_EQ(NoiseSlopes[2], -0.59765625);
    const int32_t firstEntries[] = {42, 55, 57, 113, 149, 32};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(NoisePermutation[i], firstEntries[i]) << i;
    }
    // 512 draws: 256 for the slopes and 256 for the shuffle.
    EXPECT_EQ(RandomState, 1623995905u);
}

TEST_F(NoiseTest, TablesAreAPermutationAndSlopesOnTheGrid) {
    for (uint32_t seed : {1u, 2u, 0x80000000u, 0xFFFFFFFFu, 123456789u}) {
        InitNoiseTables(seed);
        const std::set<int32_t> entries(std::begin(NoisePermutation), std::end(NoisePermutation));
        EXPECT_EQ(entries.size(), 256u);
        EXPECT_EQ(*entries.begin(), 0);
        EXPECT_EQ(*entries.rbegin(), 255);
        for (double slope : NoiseSlopes) {
            EXPECT_GE(slope, -1.0);
            EXPECT_LE(slope, 255 / 256.0);
            EXPECT_EQ(slope * 256, std::trunc(slope * 256));
        }
    }
}

TEST_F(NoiseTest, SeedZeroTakesTheStateFromTheSeedCounter) {
    InitNoiseTables(777);
    const std::vector<double> seeded(std::begin(NoiseSlopes), std::end(NoiseSlopes));
    const std::vector<int32_t> shuffled(std::begin(NoisePermutation), std::end(NoisePermutation));
    ClearNoiseTables();
    PinSeedCounter(777);
    InitNoiseTables(0);
    EXPECT_EQ(std::vector<double>(std::begin(NoiseSlopes), std::end(NoiseSlopes)), seeded);
    EXPECT_EQ(std::vector<int32_t>(std::begin(NoisePermutation), std::end(NoisePermutation)), shuffled);
}

TEST_F(NoiseTest, NoiseIsZeroAtWholeArgumentsAndBounded) {
    for (uint32_t seed : {3u, 99u, 0xDEADBEEFu}) {
        InitNoiseTables(seed);
        for (double x : {0.0, 1.0, 2.0, 17.0, 255.0, 256.0, 4096.0, 429496.0}) {
            EXPECT_EQ(GradientNoise(x), 0.0) << x;
        }
        for (double x = 0.03; x < 600; x += 0.37) {
            EXPECT_LE(std::fabs(GradientNoise(x)), 0.5) << x;
            EXPECT_LE(std::fabs(OctaveNoise(x, kNoiseOctaves)), 0.875) << x;
        }
    }
}

TEST_F(NoiseTest, EmptyTablesGiveSilence) {
    for (double x : {0.0, 0.25, 3.5, 1e5}) {
        EXPECT_EQ(GradientNoise(x), 0.0);
        EXPECT_EQ(OctaveNoise(x, kNoiseOctaves), 0.0);
    }
}

TEST_F(NoiseTest, ChannelExponentOfNoiseValues) {
    const struct {
        double noise;
        double exponent;
    } cases[] = {{0, 1}, {-1, 0.5}, {0.5, 3}, {0.875, 4.5}, {-0.875, 1 / 1.875}};
    for (const auto& c : cases) {
        EXPECT_EQ(ChannelExponent(c.noise), c.exponent) << c.noise;
    }
}

}  // namespace
