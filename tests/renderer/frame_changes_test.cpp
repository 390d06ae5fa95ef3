// A window that keeps the last frame and takes only the changed areas of each new one shows every frame
// exactly, over the real frame loop with a moving clock.
#include "frame_changes.h"

#include <cstring>

#include "clock_and_seed.h"
#include "headless_window.h"
#include "renderer_fixture.h"
#include "run_renderer.h"

namespace {

using FrameChangesTest = RendererTest;

// The clock of the frame being drawn: each frame shown moves it on by the case's step.
uint32_t frameClock;
uint32_t frameStep;
uint32_t FrameClockReading() {
    return frameClock;
}

FrameChanges changes;
// What the window shows: the areas of each frame laid over the frames before.
PaletteEntry shown[kFramePixels];
int framesWithoutAreas;

void ShowChangedAreas(const PaletteEntry* frame, int index) {
    SCOPED_TRACE(testing::Message() << "frame " << index << " at clock " << frameClock);
    int64_t covered = 0;
    for (const PixelArea& area : changes.Next(DrawnSprites)) {
        ASSERT_TRUE(area.x >= 0 && area.y >= 0 && area.width > 0 && area.height > 0 &&
                    area.x + area.width <= kFrameWidth && area.y + area.height <= kFrameHeight);
        for (int32_t row = area.y; row < area.y + area.height; ++row) {
            const int32_t first = row * kFrameWidth + area.x;
            std::memcpy(shown + first, frame + first, area.width * sizeof(PaletteEntry));
        }
        covered += int64_t{area.width} * area.height;
    }
    ASSERT_TRUE(SamePixels(frame, shown, kFramePixels));
    // The areas keep apart, and only the first frame is sent whole.
    ASSERT_LE(covered, kFramePixels);
    if (index > 0) {
        ASSERT_LT(covered, kFramePixels / 2);
    }
    framesWithoutAreas += covered == 0;
    frameClock += frameStep;
}

TEST_F(FrameChangesTest, ChangedAreasRebuildEveryFrame) {
    const struct {
        uint32_t seed;
        uint32_t clock;
        uint32_t step;
        int framesWithoutAreas;
    } cases[] = {
        // 60 frames a second, over the clock's wrap from 2^32 - 1 to 0 in the second.
        {1, 0, 17, 0},
        {99, 0xFFFFFFFFu - 2000, 16, 0},
        // Unpaced, a millisecond a frame.
        {7, 1000000, 1, 0},
        // The clock stopped: after the grey first frame and the coloured second, nothing changes.
        {42, 5000, 0, 298},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "seed " << c.seed << " from " << c.clock << " by " << c.step);
        ClearNoiseTables();
        PinSeedCounter(c.seed);
        frameClock = c.clock;
        frameStep = c.step;
        SetClockSource(FrameClockReading);
        changes = FrameChanges();
        std::memset(shown, 0xAB, sizeof shown);
        framesWithoutAreas = 0;
        PlanHeadlessWindow({.registrationFails = false, .framesToShow = 300, .frameShown = ShowChangedAreas});
        RunRenderer();
        EXPECT_EQ(framesWithoutAreas, c.framesWithoutAreas);
    }
}

}  // namespace
