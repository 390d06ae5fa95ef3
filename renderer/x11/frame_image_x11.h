#pragma once
// The window-sized image the stretched frame is written into: in memory shared with the X server
// when it offers that (MIT-SHM), an ordinary client-side image otherwise. The segment is marked for
// removal as soon as it is attached, so it goes with the process however that ends.
#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "target_window_x11.h"

class FrameImage {
  public:
    // Makes an image of width x height for the target's visual, black; false if none could be made.
    bool Resize(const TargetWindow& target, int32_t width, int32_t height);
    uint8_t* Pixels() const { return reinterpret_cast<uint8_t*>(image_->data); }
    size_t Stride() const { return static_cast<size_t>(image_->bytes_per_line); }
    // Queues the image for the window; the caller syncs before writing the pixels again.
    void Put(const TargetWindow& target, GC gc) const;
    // Gives the image and the server's hold on its segment up.
    void Release();

  private:
    bool MakeShared(const TargetWindow& target, int32_t width, int32_t height);
    bool AttachSegment();
    bool MakePlain(const TargetWindow& target, int32_t width, int32_t height);
    void DestroyImage();

    Display* display_ = nullptr;
    XImage* image_ = nullptr;
    XShmSegmentInfo segment_{};
    bool shared_ = false;
    // Once the server refuses to attach a segment (a remote display), plain images from then on.
    bool sharingRefused_ = false;
    std::vector<uint8_t> plainPixels_;
};
