#include "run_renderer.h"

#include <cstring>

#include "figure.h"
#include "headless_window.h"
#include "noise.h"
#include "palettes.h"
#include "reference/reference_renderer.h"
#include "renderer_fixture.h"

namespace {

class RunRendererTest : public RendererTest {
  protected:
    void SetUp() override {
        RendererTest::SetUp();
        FrameWidth = FrameHeight = FramePixels = 0;
    }
};

PaletteEntry shownFrames[2][kFramePixels];
const PaletteEntry* shownFrom[2];

void KeepFrame(const PaletteEntry* frame, int index) {
    shownFrom[index] = frame;
    std::memcpy(shownFrames[index], frame, sizeof shownFrames[index]);
}

PaletteEntry expectedCorner[kPaletteSize];
PaletteEntry expectedAxis[kPaletteSize];
PaletteEntry expectedFrame[kFramePixels];

TEST_F(RunRendererTest, FirstFrameIsGreyAndTheSecondColoured) {
    constexpr uint32_t kTime = 31415926;
    constexpr uint32_t kSeed = 0x5EEDu;
    PinClock(kTime);
    PinSeedCounter(kSeed);
    PlanHeadlessWindow({.registrationFails = false, .framesToShow = 2, .frameShown = KeepFrame});
    RunRenderer();

    const HeadlessWindowLog& record = HeadlessWindowRecord();
    EXPECT_EQ(record.windowsCreated, 1);
    EXPECT_EQ(record.className, "Vantor_Render");
    EXPECT_EQ(record.width, 640);
    EXPECT_EQ(record.height, 480);
    EXPECT_EQ(record.framesShown, 2);
    EXPECT_EQ(FramePixels, 307200);
    EXPECT_EQ(shownFrom[0], FrameBuffer);

    ClearNoiseTables();
    ReferenceBuildPalettes(expectedCorner, expectedAxis);
    ReferenceDrawFigure(expectedFrame, expectedCorner, expectedAxis);
    EXPECT_TRUE(SamePixels(expectedFrame, shownFrames[0], kFramePixels));

    InitNoiseTables(kSeed);
    ReferenceBuildPalettes(expectedCorner, expectedAxis);
    ReferenceDrawFigure(expectedFrame, expectedCorner, expectedAxis);
    EXPECT_TRUE(SamePixels(expectedFrame, shownFrames[1], kFramePixels));
}

TEST_F(RunRendererTest, NoWindowClassMeansNoDrawing) {
    std::memset(FrameBuffer, 0xAB, sizeof FrameBuffer);
    PlanHeadlessWindow({.registrationFails = true, .framesToShow = 1, .frameShown = KeepFrame});
    RunRenderer();
    EXPECT_EQ(HeadlessWindowRecord().windowsCreated, 0);
    EXPECT_EQ(HeadlessWindowRecord().framesShown, 0);
    for (const PaletteEntry& pixel : FrameBuffer) {
        ASSERT_EQ(pixel, (PaletteEntry{0xAB, 0xAB, 0xAB, 0xAB}));
    }
}

}  // namespace
