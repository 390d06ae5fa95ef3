#pragma once
// The frame-rate read-out of -fps: frames per second over the last second, drawn by the server in the
// window's bottom left corner after each frame, so the frame's own pixels are never touched.
#include <X11/Xlib.h>

#include <string>

#include "frame_wait.h"
#include "target_window_x11.h"

class FrameRate {
  public:
    // Counts the frame just put and draws the read-out over it.
    void Draw(const TargetWindow& target, GC gc);

  private:
    FrameClock::time_point since_{};
    int frames_ = 0;
    std::string text_ = "FPS: -";
};
