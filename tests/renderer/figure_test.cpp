#include "figure.h"

#include <algorithm>
#include <cmath>
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

// Expected values worked out apart from this code (Python's math.cos on the same formula); the
// large clocks are past 2^31 ms, where a signed reading would turn the motion negative.
TEST_F(FigureTest, MotionFollowsTheClock) {
    const struct {
        uint32_t time;
        double angle;
        double step;
    } cases[] = {
        {0, 0.17635738082358246, 0.006119101830942445},
        {123456789, 37037.11411797813, 0.0022274082231262633},
        {0x80000000u, 644245.0275936301, -0.002172451352204599},
        {0xFFFFFFFFu, 1288490.0362613667, -0.006518214358800081},
    };
    for (const auto& c : cases) {
        const FigureMotion motion = FigureMotionAt(c.time);
        EXPECT_DOUBLE_EQ(motion.angle, c.angle) << c.time;
        EXPECT_DOUBLE_EQ(motion.step, c.step) << c.time;
    }
}

// Projected row and column, then the sprite position once rounded and moved to the frame's centre.
TEST_F(FigureTest, ProjectionLandsWhereWorkedOutByHand) {
    const struct {
        double angle;
        FigurePoint point;
        double scale;
        double row;
        double column;
        int32_t frameRow;
        int32_t frameColumn;
    } cases[] = {
        {0, {1, 1, 1}, 0.64, 51.2, 159.744, 291, 480},
        {0, {0, 0, -1.7}, 0.64, 87.04, -62.6688, 327, 257},
        {0.5, {1, -1, 1}, 0.64, -104.62821138431426, -128.5920480050053, 135, 191},
        {1000.25, {0, 1.7, 0}, 0.3, -13.892462317311667, 62.05284189551711, 226, 382},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "angle " << c.angle << " scale " << c.scale);
        const ProjectedPoint projected = ProjectPoint(c.point, CopyTurnFor(c.angle), c.scale);
        EXPECT_DOUBLE_EQ(projected.row, c.row);
        EXPECT_DOUBLE_EQ(projected.column, c.column);
        const int32_t position = SpritePosition(static_cast<int32_t>(std::nearbyint(projected.row)),
                                                static_cast<int32_t>(std::nearbyint(projected.column)));
        EXPECT_EQ(position, c.frameRow * kFrameWidth + c.frameColumn);
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
