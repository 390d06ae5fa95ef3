#pragma once
// The frame scaled by the X server (RENDER): the 640 x 480 frame goes to the server once per frame
// (written straight into a shared pixmap where MIT-SHM offers one), into a picture kept for the run,
// and one composite with a nearest filter scales it to the window, the server converting it to the
// window's visual. The scale is FrameStep's, so the window shows what the own stretch shows.
#include <X11/Xlib.h>
#include <X11/extensions/Xrender.h>

#include <vector>

#include "frame.h"
#include "frame_changes.h"
#include "frame_image_x11.h"
#include "target_window_x11.h"

class ServerScale {
  public:
    // False when the server offers no RENDER, or none for the window's visual or the frame's pixels.
    bool Start(const TargetWindow& target);
    // Queues areas of the frame for the server's copy of it; the caller syncs before the next frame.
    void Upload(const PaletteEntry* frame, const std::vector<PixelArea>& frameAreas);
    // Queues areas of the window, each showing the server's copy of the frame scaled to the window.
    void Scale(const TargetWindow& target, const std::vector<PixelArea>& windowAreas);
    // The window's picture, which the server frees with the window.
    Picture WindowPicture() const { return window_; }
    // Gives the server's resources and the upload image up.
    void Release();

  private:
    Display* display_ = nullptr;
    FrameImage upload_;
    Pixmap pixmap_ = 0;
    // The pixmap is the upload's shared memory: nothing to put.
    bool pixmapShared_ = false;
    GC pixmapGc_ = nullptr;
    Picture frame_ = 0;
    Picture window_ = 0;
    int32_t scaledWidth_ = 0;
    int32_t scaledHeight_ = 0;
};
