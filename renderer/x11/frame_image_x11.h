#pragma once
// An image the client writes and the X server reads (the window-sized stretched frame, or the frame
// itself for the server to scale): in memory shared with the server when it offers that (MIT-SHM), an
// ordinary client-side image otherwise. The segment is marked for removal as soon as it is attached, so
// it goes with the process however that ends.
#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "frame_changes.h"

class FrameImage {
  public:
    // Makes an image of width x height for the visual (may be null) and depth, black; false if none
    // could be made.
    bool Resize(Display* display, Visual* visual, int depth, int32_t width, int32_t height);
    uint8_t* Pixels() const { return reinterpret_cast<uint8_t*>(image_->data); }
    size_t Stride() const { return static_cast<size_t>(image_->bytes_per_line); }
    // Queues an area of the image for the same place of the drawable; the caller syncs before writing
    // the pixels again.
    void Put(Drawable drawable, GC gc, const PixelArea& area) const;
    // A pixmap of the image's size and depth that is the image's shared memory, so the server reads the
    // pixels where they are written; 0 when the image is not shared or the server has no such pixmaps.
    Pixmap SharedPixmap(Drawable drawable) const;
    // Gives the image and the server's hold on its segment up.
    void Release();

  private:
    bool MakeShared(Visual* visual, int depth, int32_t width, int32_t height);
    bool MakeSegment(size_t bytes);
    bool AttachSegment();
    bool MakePlain(Visual* visual, int depth, int32_t width, int32_t height);
    void DestroyImage();

    Display* display_ = nullptr;
    XImage* image_ = nullptr;
    XShmSegmentInfo segment_{};
    bool shared_ = false;
    // Once the server refuses to attach a segment (a remote display), plain images from then on.
    bool sharingRefused_ = false;
    std::vector<uint8_t> plainPixels_;
};
