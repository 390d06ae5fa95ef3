#include "figure.h"

#include <algorithm>
#include <cstring>

#include "reference/reference_renderer.h"
#include "renderer_fixture.h"
#include "sprite_blend.h"

namespace {

class FigureTest : public RendererTest {
  protected:
    void SetUp() override {
        RendererTest::SetUp();
        BuildGlowSprite();
    }
};

// The production path at each vector unit, and the reference, all drawing into FrameBuffer.
struct Drawer {
    const char* name;
    void (*draw)();
};
const Drawer kDrawers[] = {
    {"sse2", [] { UseSimdLevel(SimdLevel::Sse2), DrawFigure(); }},
    {"best", [] { UseSimdLevel(BestSimdLevel()), DrawFigure(); }},
    {"reference", [] { ReferenceDrawFigure(FrameBuffer, CornerPalette, AxisPalette); }},
};

TEST_F(FigureTest, GlowSpriteIsALightCone) {
    const uint8_t row8[16] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 56, 48, 40, 32, 24, 16, 8};
    const uint8_t row1[16] = {0, 0, 0, 0, 0, 3, 6, 7, 8, 7, 6, 3, 0, 0, 0, 0};
    EXPECT_EQ(0, std::memcmp(GlowSprite[8], row8, 16));
    EXPECT_EQ(0, std::memcmp(GlowSprite[1], row1, 16));
    int lit = 0;
    for (int r = 0; r < kSpriteSize; ++r) {
        EXPECT_EQ(GlowSprite[0][r], 0);
        EXPECT_EQ(GlowSprite[r][0], 0);
        for (int c = 0; c < kSpriteSize; ++c) {
            lit += GlowSprite[r][c] != 0;
            EXPECT_EQ(GlowSprite[r][c], GlowSprite[c][r]);
        }
    }
    EXPECT_EQ(lit, 193);
}

TEST_F(FigureTest, MotionAtClockZero) {
    const FigureMotion motion = FigureMotionAt(0);
    EXPECT_NEAR(motion.angle, 0.176357, 1e-6);
    EXPECT_NEAR(motion.step, 0.00611910, 1e-8);
}

TEST_F(FigureTest, MotionPastTwoToTheThirtyOneStaysPositive) {
    for (uint32_t time : {0x80000000u, 0xFFFFFFFFu}) {
        const double t = time * 0.0003;
        EXPECT_NEAR(FigureMotionAt(time).angle, t, 0.2) << time;
    }
}

TEST_F(FigureTest, CopiesRunFromBrightToDarkWithTiesToEven) {
    const struct {
        int copy;
        int32_t entry;
    } cases[] = {{0, 140}, {1, 139}, {32, 108}, {64, 75}, {96, 42}, {128, 10}};
    for (const auto& c : cases) {
        EXPECT_EQ(CopyPaletteIndex(c.copy), c.entry) << c.copy;
    }
}

TEST_F(FigureTest, PositionTestKeepsEverySpriteRowInTheBuffer) {
    const int32_t limit = kFramePixels - kSpriteSize * kFrameWidth;
    const struct {
        int32_t position;
        bool fits;
    } cases[] = {{-1, false}, {0, true}, {limit - 1, true}, {limit, false}, {kFramePixels, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(SpriteFits(c.position), c.fits) << c.position;
    }
}

// With only entry 140 lit, only the innermost copy shows: all 14 glows on one spot whose top-left
// corner is row 240, column 320, the corner colour counted 8 times and the axis colour 6 times.
TEST_F(FigureTest, InnermostCopySitsAtTheCentreAndSaturates) {
    const PaletteEntry corner{0, 100, 255, 0};
    const PaletteEntry axis{50, 0, 0, 0};
    CornerPalette[140] = corner;
    AxisPalette[140] = axis;
    for (const Drawer& drawer : kDrawers) {
        SCOPED_TRACE(drawer.name);
        PinClock(987654321);
        drawer.draw();
        for (int row = 0; row < kFrameHeight; ++row) {
            for (int column = 0; column < kFrameWidth; ++column) {
                const int r = row - kFrameHeight / 2;
                const int c = column - kFrameWidth / 2;
                const int element =
                    r >= 0 && r < kSpriteSize && c >= 0 && c < kSpriteSize ? GlowSprite[r][c] : 0;
                auto level = [element](uint8_t cornerChannel, uint8_t axisChannel) {
                    return static_cast<uint8_t>(std::min(
                        255, 8 * ((cornerChannel * element) >> 8) + 6 * ((axisChannel * element) >> 8)));
                };
                const PaletteEntry expected{level(corner.blue, axis.blue), level(corner.green, axis.green),
                                            level(corner.red, axis.red), 0};
                ASSERT_EQ(FrameBuffer[row * kFrameWidth + column], expected) << row << "," << column;
            }
        }
        EXPECT_EQ(FrameBuffer[248 * kFrameWidth + 328], (PaletteEntry{72, 200, 255, 0}));
    }
}

TEST_F(FigureTest, AFrameReadsTheClockOnce) {
    for (const Drawer& drawer : kDrawers) {
        SCOPED_TRACE(drawer.name);
        ScriptClock({1000, 2000});
        drawer.draw();
        EXPECT_EQ(ClockReads(), 1);
    }
}

TEST_F(FigureTest, NothingOfTheOldFrameSurvives) {
    for (const Drawer& drawer : kDrawers) {
        SCOPED_TRACE(drawer.name);
        std::memset(FrameBuffer, 0xFF, sizeof FrameBuffer);
        drawer.draw();
        EXPECT_TRUE(std::all_of(std::begin(FrameBuffer), std::end(FrameBuffer),
                                [](const PaletteEntry& pixel) { return pixel == PaletteEntry{}; }));
    }
}

TEST_F(FigureTest, ReservedByteOfTheColourNeverReachesTheFrame) {
    std::fill(std::begin(CornerPalette), std::end(CornerPalette), PaletteEntry{200, 200, 200, 255});
    std::fill(std::begin(AxisPalette), std::end(AxisPalette), PaletteEntry{10, 20, 30, 255});
    for (const Drawer& drawer : kDrawers) {
        SCOPED_TRACE(drawer.name);
        drawer.draw();
        EXPECT_TRUE(std::all_of(std::begin(FrameBuffer), std::end(FrameBuffer),
                                [](const PaletteEntry& pixel) { return pixel.reserved == 0; }));
    }
}

}  // namespace
