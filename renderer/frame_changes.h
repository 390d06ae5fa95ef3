#pragma once
// Which parts of the frame can differ from the frame before: only where the sprites of either frame lie,
// since everywhere else both are black. A window that keeps the last frame it shows needs only these parts
// of the next one.
#include <array>
#include <cstdint>
#include <vector>

#include "figure.h"
#include "frame.h"

// A rectangle of pixels: of the frame, or of a window that shows it.
struct PixelArea {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};

class FrameChanges {
  public:
    // The parts of the frame DrawFigure has just drawn (its record drawn) that can differ from the frame
    // this was last given, as rectangles that do not overlap: the whole frame the first time, none when
    // the two frames are the same.
    const std::vector<PixelArea>& Next(const FigureSprites& drawn);

    // Sprites are marked on cells of this many pixels a side; the areas follow the cells.
    static constexpr int32_t kCellSize = 4;
    static constexpr int32_t kCellColumns = kFrameWidth / kCellSize;
    static constexpr int32_t kCellRows = kFrameHeight / kCellSize;

  private:
    using Cover = std::array<std::array<uint8_t, kCellColumns>, kCellRows>;
    static void Mark(const FigureSprites& drawn, Cover& cover);
    void CollectAreas(const Cover& either);

    bool started_ = false;
    FigureSprites last_{};
    Cover lastCover_{};
    Cover cover_{};
    Cover either_{};
    std::vector<PixelArea> areas_;
};
