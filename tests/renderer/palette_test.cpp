#include <cmath>

#include "noise.h"
#include "palettes.h"
#include "reference/reference_renderer.h"
#include "renderer_fixture.h"
#include "round_even.h"

namespace {

using PaletteTest = RendererTest;

PaletteEntry referenceCorner[kPaletteSize];
PaletteEntry referenceAxis[kPaletteSize];

TEST_F(PaletteTest, EmptyTablesGiveGreyRamps) {
    PinClock(123456);
    BuildPalettes();
    for (int j = 0; j < kPaletteSize; ++j) {
        const uint8_t level = static_cast<uint8_t>(j);
        EXPECT_EQ(CornerPalette[j], (PaletteEntry{level, level, level, 0})) << j;
        EXPECT_EQ(AxisPalette[j], (PaletteEntry{level, level, level, 0})) << j;
    }
}

TEST_F(PaletteTest, RampsRunFromBlackToWhiteWhateverTheExponents) {
    for (uint32_t seed : {5u, 0xCAFEu, 0xFFFFFFFFu}) {
        InitNoiseTables(seed);
        for (uint32_t time : {0u, 77777u, 0x80000000u, 0xFFFFFFFFu}) {
            PinClock(time);
            BuildPalettes();
            for (const PaletteEntry* palette : {CornerPalette, AxisPalette}) {
                EXPECT_EQ(palette[0], (PaletteEntry{0, 0, 0, 0}));
                EXPECT_EQ(palette[255], (PaletteEntry{255, 255, 255, 0}));
            }
        }
    }
}

TEST_F(PaletteTest, RoundingTiesGoToEven) {
    const struct {
        double value;
        int32_t rounded;
    } cases[] = {{127.5, 128}, {126.5, 126}, {97.5, 98}, {32.5, 32},   {0.5, 0},
                 {1.5, 2},     {-0.5, 0},    {-2.5, -2}, {254.49, 254}};
    for (const auto& c : cases) {
        EXPECT_EQ(RoundToEven(c.value), c.rounded) << c.value;
        EXPECT_EQ(std::nearbyint(c.value), c.rounded) << c.value;
    }
}

// Each of the six channels must use its own clock reading, in the order corner red, green, blue,
// then axis red, green, blue.
TEST_F(PaletteTest, EveryChannelTakesItsOwnClockReadingInOrder) {
    const uint32_t readings[6] = {1000000, 2500000, 4000000, 5500000, 7000000, 8500000};
    using Build = void (*)();
    const Build builds[] = {[] { BuildPalettes(); },
                            [] { ReferenceBuildPalettes(CornerPalette, AxisPalette); }};
    InitNoiseTables(0x51DEu);
    for (Build build : builds) {
        ScriptClock({readings[0], readings[1], readings[2], readings[3], readings[4], readings[5]});
        build();
        EXPECT_EQ(ClockReads(), 6);
        for (int channel = 0; channel < 6; ++channel) {
            PinClock(readings[channel]);
            ReferenceBuildPalettes(referenceCorner, referenceAxis);
            const PaletteEntry* expected = channel < 3 ? referenceCorner : referenceAxis;
            const PaletteEntry* actual = channel < 3 ? CornerPalette : AxisPalette;
            for (int j = 0; j < kPaletteSize; ++j) {
                const uint8_t PaletteEntry::*field = channel % 3 == 0   ? &PaletteEntry::red
                                                     : channel % 3 == 1 ? &PaletteEntry::green
                                                                        : &PaletteEntry::blue;
                ASSERT_EQ(actual[j].*field, expected[j].*field) << "channel " << channel << " entry " << j;
            }
        }
    }
}

}  // namespace
