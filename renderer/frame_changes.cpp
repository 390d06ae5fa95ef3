#include "frame_changes.h"

#include <algorithm>
#include <cstring>

namespace {

// A glow's first row and first column are dark (a cone about element 8, 8 of radius 8), so a sprite
// placed at a row and column lights the 15 rows and columns after them.
constexpr int32_t kDarkEdge = 1;
// Rows of cells whose areas are cut together: fewer, wider areas against more, closer ones.
constexpr int32_t kBandCells = 4;
// A gap of at most this many cells between two areas of a band is sent with them: one request less.
constexpr int32_t kBridgedCells = 1;

}  // namespace

const std::vector<PixelArea>& FrameChanges::Next(const FigureSprites& drawn) {
    areas_.clear();
    if (started_ && std::memcmp(&drawn, &last_, sizeof drawn) == 0) {
        return areas_;
    }
    Mark(drawn, cover_);
    if (started_) {
        for (int32_t row = 0; row < kCellRows; ++row) {
            for (int32_t column = 0; column < kCellColumns; ++column) {
                either_[row][column] = cover_[row][column] | lastCover_[row][column];
            }
        }
        CollectAreas(either_);
    } else {
        areas_.push_back({0, 0, kFrameWidth, kFrameHeight});
        started_ = true;
    }
    last_ = drawn;
    lastCover_ = cover_;
    return areas_;
}

void FrameChanges::Mark(const FigureSprites& drawn, Cover& cover) {
    for (auto& row : cover) {
        row.fill(0);
    }
    for (const auto& copy : drawn.positions) {
        for (const int32_t position : copy) {
            if (!SpriteFits(position)) {
                continue;
            }
            const int32_t row = position / kFrameWidth;
            const int32_t column = position % kFrameWidth;
            int32_t first = (column + kDarkEdge) / kCellSize;
            int32_t last = (column + kSpriteSize - 1) / kCellSize;
            int32_t lastRow = (row + kSpriteSize - 1) / kCellSize;
            // A sprite past the right edge goes on into the next rows: then they change all across.
            if (column + kSpriteSize > kFrameWidth) {
                first = 0;
                last = kCellColumns - 1;
                lastRow = std::min(kCellRows - 1, (row + kSpriteSize) / kCellSize);
            }
            for (int32_t r = (row + kDarkEdge) / kCellSize; r <= lastRow; ++r) {
                std::fill(cover[r].begin() + first, cover[r].begin() + last + 1, 1);
            }
        }
    }
}

void FrameChanges::CollectAreas(const Cover& either) {
    for (int32_t band = 0; band < kCellRows; band += kBandCells) {
        std::array<uint8_t, kCellColumns> any{};
        for (int32_t r = band; r < band + kBandCells; ++r) {
            for (int32_t column = 0; column < kCellColumns; ++column) {
                any[column] |= either[r][column];
            }
        }
        int32_t column = 0;
        while (column < kCellColumns) {
            if (any[column] == 0) {
                ++column;
                continue;
            }
            const int32_t first = column;
            int32_t end = column;
            // The run, with the short gaps inside it.
            while (column < kCellColumns && column - end <= kBridgedCells) {
                if (any[column] != 0) {
                    end = column + 1;
                }
                ++column;
            }
            column = end;
            // Only the band's rows that have a marked cell in the run.
            int32_t top = band + kBandCells;
            int32_t bottom = band;
            for (int32_t r = band; r < band + kBandCells; ++r) {
                const auto begin = either[r].begin();
                if (std::find(begin + first, begin + end, 1) != begin + end) {
                    top = std::min(top, r);
                    bottom = r + 1;
                }
            }
            areas_.push_back(
                {first * kCellSize, top * kCellSize, (end - first) * kCellSize, (bottom - top) * kCellSize});
        }
    }
}
