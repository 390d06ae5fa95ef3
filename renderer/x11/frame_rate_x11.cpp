#include "frame_rate_x11.h"

#include <chrono>
#include <cstdio>

namespace {

constexpr int kMargin = 8;

}  // namespace

bool FrameRate::Start(Display* display, GC gc) {
    font_ = XQueryFont(display, XGContextFromGC(gc));
    return font_ != nullptr;
}

bool FrameRate::Count() {
    const FrameClock::time_point now = FrameClock::now();
    if (frames_ == 0 && since_ == FrameClock::time_point{}) {
        since_ = now;
    }
    ++frames_;
    const std::chrono::duration<double> elapsed = now - since_;
    if (elapsed.count() < 1.0) {
        return false;
    }
    char text[32];
    std::snprintf(text, sizeof text, "FPS: %.1f", frames_ / elapsed.count());
    since_ = now;
    frames_ = 0;
    const bool changed = text_ != text;
    text_ = text;
    return changed;
}

int32_t FrameRate::Baseline(int32_t windowHeight) const {
    return windowHeight - kMargin - font_->descent;
}

PixelArea FrameRate::Area(int32_t windowHeight) const {
    return {kMargin, Baseline(windowHeight) - font_->ascent,
            XTextWidth(font_, text_.c_str(), static_cast<int>(text_.size())), font_->ascent + font_->descent};
}

void FrameRate::Draw(const TargetWindow& target, GC gc) const {
    XDrawImageString(target.display, target.window, gc, kMargin, Baseline(target.height), text_.c_str(),
                     static_cast<int>(text_.size()));
}

void FrameRate::Release() {
    if (font_ != nullptr) {
        XFreeFontInfo(nullptr, font_, 1);
        font_ = nullptr;
    }
}
