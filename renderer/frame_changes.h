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

  private:
    // Sprites are marked on cells of this many pixels a side; the areas follow the cells.
    static constexpr int32_t kCellSize = 4;
    static constexpr int32_t kCellColumns = kFrameWidth / kCellSize;
    static constexpr int32_t kCellRows = kFrameHeight / kCellSize;
    // A bit for each cell of a row, the leftmost in bit 0 of the first word.
    static constexpr int32_t kWordBits = 64;
    static constexpr int32_t kRowWords = (kCellColumns + kWordBits - 1) / kWordBits;
    using CellRow = std::array<uint64_t, kRowWords>;
    using Cover = std::array<CellRow, kCellRows>;
    // The cells first to last (inclusive) of a row.
    static CellRow Span(int32_t first, int32_t last);
    static bool Meet(const CellRow& a, const CellRow& b);
    static bool Lit(const CellRow& row, int32_t column);
    static void Mark(const FigureSprites& drawn, Cover& cover);
    void CollectAreas(const Cover& either);

    bool started_ = false;
    FigureSprites last_{};
    // The covers of this frame and the last, taking turns.
    Cover covers_[2]{};
    int current_ = 0;
    std::vector<PixelArea> areas_;
};
