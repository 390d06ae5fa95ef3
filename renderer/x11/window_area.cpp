#include "window_area.h"

#include <algorithm>

namespace {

// The window pixels [first, end) that show frame pixels [begin, begin + count) of frameSize.
struct Span {
    int32_t first;
    int32_t end;
};

Span WindowSpan(int32_t begin, int32_t count, int32_t frameSize, int32_t windowSize) {
    const int64_t first = int64_t{begin} * windowSize / frameSize - 1;
    const int64_t end = ((int64_t{begin} + count) * windowSize + frameSize - 1) / frameSize + 1;
    return {static_cast<int32_t>(std::max<int64_t>(first, 0)),
            static_cast<int32_t>(std::min<int64_t>(end, windowSize))};
}

}  // namespace

PixelArea WindowAreaOf(const PixelArea& frameArea, int32_t width, int32_t height) {
    const Span columns = WindowSpan(frameArea.x, frameArea.width, kFrameWidth, width);
    const Span rows = WindowSpan(frameArea.y, frameArea.height, kFrameHeight, height);
    return {columns.first, rows.first, columns.end - columns.first, rows.end - rows.first};
}

bool Overlap(const PixelArea& a, const PixelArea& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}
