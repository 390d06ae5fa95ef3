// The window areas of a frame's changed areas, each stretched from a copy of the frame that takes only
// the changed areas (the server's pixmap, or the own stretch's converted pixels), rebuild the window's
// whole picture of every frame over a few hundred moving ones: nothing between two areas is missed.
#include "window_area.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "clock_and_seed.h"
#include "figure.h"
#include "frame_stretch.h"
#include "noise.h"
#include "palettes.h"
#include "pixel_conversion.h"

namespace {

uint32_t frameClock;
uint32_t FrameClockReading() {
    return frameClock;
}

TEST(WindowAreaTest, ChangedAreasRebuildTheWindowAtAnySize) {
    const std::optional<PixelConversion> conversion = PixelConversion::For(
        {.redMask = 0xFF0000, .greenMask = 0xFF00, .blueMask = 0xFF, .depth = 24, .bitsPerPixel = 32});
    // Wider than tall and taller than wide, larger and smaller than the frame, in odd ratios.
    const struct {
        int32_t width;
        int32_t height;
    } sizes[] = {{1366, 768}, {1001, 1333}, {333, 250}};
    SetClockSource(FrameClockReading);
    BuildGlowSprite();
    for (const auto& size : sizes) {
        SCOPED_TRACE(testing::Message() << size.width << " x " << size.height);
        FrameStretch stretch;
        stretch.Resize(size.width, size.height);
        const size_t stride = size_t{4} * size.width;
        std::vector<uint32_t> frameCopy(kFramePixels);
        std::vector<uint8_t> window(stride * size.height);
        std::vector<uint32_t> wholeFrame(kFramePixels);
        std::vector<uint8_t> wholeWindow(window.size());
        FrameChanges changes;
        InitNoiseTables(size.width);
        BuildPalettes();
        for (int frame = 0; frame < 200; ++frame) {
            frameClock = 400000 + frame * 17;
            DrawFigure();
            BuildPalettes();
            const std::vector<PixelArea>& areas = changes.Next(DrawnSprites);
            for (const PixelArea& area : areas) {
                conversion->ConvertArea(FrameBuffer, area, frameCopy.data());
            }
            for (const PixelArea& area : areas) {
                const PixelArea shown = WindowAreaOf(area, size.width, size.height);
                ASSERT_TRUE(shown.x >= 0 && shown.y >= 0 && shown.x + shown.width <= size.width &&
                            shown.y + shown.height <= size.height);
                stretch.DrawArea(frameCopy.data(), 4, window.data(), stride, shown);
            }
            conversion->ConvertFrame(FrameBuffer, wholeFrame.data());
            stretch.Draw(wholeFrame.data(), 4, wholeWindow.data(), stride);
            ASSERT_EQ(0, std::memcmp(window.data(), wholeWindow.data(), window.size())) << "frame " << frame;
        }
    }
    SetClockSource(nullptr);
}

}  // namespace
