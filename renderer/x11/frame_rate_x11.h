#pragma once
// The frame-rate read-out of -fps: frames per second over the last second, drawn by the server in the
// window's bottom left corner over the frame, so the frame's own pixels are never touched.
#include <X11/Xlib.h>

#include <string>

#include "frame_changes.h"
#include "frame_wait.h"
#include "target_window_x11.h"

class FrameRate {
  public:
    // Takes the metrics of gc's font, which the read-out is drawn in; false if the server gives none.
    bool Start(Display* display, GC gc);
    // Counts the frame just drawn; true when the read-out's text changed with it.
    bool Count();
    // The window area the read-out covers, its text's background included, in a window of that height.
    PixelArea Area(int32_t windowHeight) const;
    void Draw(const TargetWindow& target, GC gc) const;
    void Release();

  private:
    int32_t Baseline(int32_t windowHeight) const;

    XFontStruct* font_ = nullptr;
    FrameClock::time_point since_{};
    int frames_ = 0;
    std::string text_ = "FPS: -";
};
