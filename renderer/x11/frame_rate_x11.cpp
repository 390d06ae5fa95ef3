#include "frame_rate_x11.h"

#include <chrono>
#include <cstdio>

namespace {

constexpr int kMargin = 8;
// The server's default font, "fixed", is 13 pixels high.
constexpr int kTextDescent = 2;

}  // namespace

void FrameRate::Draw(const TargetWindow& target, GC gc) {
    const FrameClock::time_point now = FrameClock::now();
    if (frames_ == 0 && since_ == FrameClock::time_point{}) {
        since_ = now;
    }
    ++frames_;
    const std::chrono::duration<double> elapsed = now - since_;
    if (elapsed.count() >= 1.0) {
        char text[32];
        std::snprintf(text, sizeof text, "FPS: %.1f", frames_ / elapsed.count());
        text_ = text;
        since_ = now;
        frames_ = 0;
    }
    XDrawImageString(target.display, target.window, gc, kMargin, target.height - kMargin - kTextDescent,
                     text_.c_str(), static_cast<int>(text_.size()));
}
