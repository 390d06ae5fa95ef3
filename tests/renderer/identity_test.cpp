// The production path must give the reference's palettes and frames byte for byte.
#include <random>
#include <vector>

#include "figure.h"
#include "noise.h"
#include "palettes.h"
#include "reference/reference_renderer.h"
#include "renderer_fixture.h"
#include "sprite_blend.h"

namespace {

using IdentityTest = RendererTest;

struct Moment {
    uint32_t seed;
    uint32_t time;
};

// The frame whose digest the frame tool's test checks, the clock's edges with a few seeds, then
// random seeds and clocks.
std::vector<Moment> Moments(int randomCount) {
    std::vector<Moment> moments = {{42, 5000}};
    for (uint32_t seed : {1u, 0x9E3779B9u, 0xFFFFFFFFu}) {
        for (uint32_t time : {0u, 1u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
            moments.push_back({seed, time});
        }
    }
    std::mt19937 random(20261207);
    for (int i = 0; i < randomCount; ++i) {
        moments.push_back({static_cast<uint32_t>(random() | 1u), static_cast<uint32_t>(random())});
    }
    return moments;
}

PaletteEntry referenceCorner[kPaletteSize];
PaletteEntry referenceAxis[kPaletteSize];
PaletteEntry referenceFrame[kFramePixels];

TEST_F(IdentityTest, PalettesMatchTheReference) {
    for (const Moment& moment : Moments(600)) {
        SCOPED_TRACE(testing::Message() << "seed " << moment.seed << " time " << moment.time);
        InitNoiseTables(moment.seed);
        PinClock(moment.time);
        BuildPalettes();
        ReferenceBuildPalettes(referenceCorner, referenceAxis);
        ASSERT_TRUE(SamePixels(referenceCorner, CornerPalette, kPaletteSize));
        ASSERT_TRUE(SamePixels(referenceAxis, AxisPalette, kPaletteSize));
    }
}

TEST_F(IdentityTest, FramesMatchTheReferenceOnEveryVectorUnit) {
    BuildGlowSprite();
    std::vector<SimdLevel> levels = {SimdLevel::Sse2};
    if (BestSimdLevel() == SimdLevel::Avx2) {
        levels.push_back(SimdLevel::Avx2);
    }
    for (const Moment& moment : Moments(200)) {
        SCOPED_TRACE(testing::Message() << "seed " << moment.seed << " time " << moment.time);
        InitNoiseTables(moment.seed);
        PinClock(moment.time);
        BuildPalettes();
        ReferenceDrawFigure(referenceFrame, CornerPalette, AxisPalette);
        for (SimdLevel level : levels) {
            UseSimdLevel(level);
            DrawFigure();
            ASSERT_TRUE(SamePixels(referenceFrame, FrameBuffer, kFramePixels))
                << (level == SimdLevel::Avx2 ? "avx2" : "sse2");
        }
    }
}

}  // namespace
