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
    const Cover& last = covers_[current_];
    current_ = 1 - current_;
    Cover& cover = covers_[current_];
    Mark(drawn, cover);
    if (started_) {
        Cover either;
        for (int32_t row = 0; row < kCellRows; ++row) {
            for (int32_t word = 0; word < kRowWords; ++word) {
                either[row][word] = cover[row][word] | last[row][word];
            }
        }
        CollectAreas(either);
    } else {
        areas_.push_back({0, 0, kFrameWidth, kFrameHeight});
        started_ = true;
    }
    last_ = drawn;
    return areas_;
}

FrameChanges::CellRow FrameChanges::Span(int32_t first, int32_t last) {
    CellRow span{};
    for (int32_t word = first / kWordBits; word <= last / kWordBits; ++word) {
        const int32_t low = std::max(first - word * kWordBits, 0);
        const int32_t high = std::min(last - word * kWordBits, kWordBits - 1);
        span[word] = (~uint64_t{0} >> (kWordBits - 1 - high)) & (~uint64_t{0} << low);
    }
    return span;
}

bool FrameChanges::Meet(const CellRow& a, const CellRow& b) {
    for (int32_t word = 0; word < kRowWords; ++word) {
        if ((a[word] & b[word]) != 0) {
            return true;
        }
    }
    return false;
}

bool FrameChanges::Lit(const CellRow& row, int32_t column) {
    return (row[column / kWordBits] >> (column % kWordBits) & 1) != 0;
}

void FrameChanges::Mark(const FigureSprites& drawn, Cover& cover) {
    cover = {};
    for (const auto& copy : drawn.positions) {
        for (const int32_t position : copy) {
            if (!SpriteFits(position)) {
                continue;
            }
            const int32_t row = position / kFrameWidth;
            const int32_t column = position % kFrameWidth;
            CellRow span;
            int32_t lastRow;
            // A sprite past the right edge goes on into the next rows: then they change all across.
            if (column + kSpriteSize > kFrameWidth) {
                span = Span(0, kCellColumns - 1);
                lastRow = std::min(kCellRows - 1, (row + kSpriteSize) / kCellSize);
            } else {
                span = Span((column + kDarkEdge) / kCellSize, (column + kSpriteSize - 1) / kCellSize);
                lastRow = (row + kSpriteSize - 1) / kCellSize;
            }
            for (int32_t r = (row + kDarkEdge) / kCellSize; r <= lastRow; ++r) {
                for (int32_t word = 0; word < kRowWords; ++word) {
                    cover[r][word] |= span[word];
                }
            }
        }
    }
}

void FrameChanges::CollectAreas(const Cover& either) {
    for (int32_t band = 0; band < kCellRows; band += kBandCells) {
        CellRow any{};
        for (int32_t r = band; r < band + kBandCells; ++r) {
            for (int32_t word = 0; word < kRowWords; ++word) {
                any[word] |= either[r][word];
            }
        }
        int32_t column = 0;
        while (column < kCellColumns) {
            if (!Lit(any, column)) {
                ++column;
                continue;
            }
            const int32_t first = column;
            int32_t end = column;
            // The run, with the short gaps inside it.
            while (column < kCellColumns && column - end <= kBridgedCells) {
                if (Lit(any, column)) {
                    end = column + 1;
                }
                ++column;
            }
            column = end;
            // Only the band's rows that have a marked cell in the run.
            const CellRow run = Span(first, end - 1);
            int32_t top = band + kBandCells;
            int32_t bottom = band;
            for (int32_t r = band; r < band + kBandCells; ++r) {
                if (Meet(either[r], run)) {
                    top = std::min(top, r);
                    bottom = r + 1;
                }
            }
            areas_.push_back(
                {first * kCellSize, top * kCellSize, (end - first) * kCellSize, (bottom - top) * kCellSize});
        }
    }
}
