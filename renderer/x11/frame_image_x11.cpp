#include "frame_image_x11.h"

#include <X11/Xutil.h>
#include <signal.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstring>

#include "x_errors_x11.h"

bool FrameImage::Resize(Display* display, Visual* visual, int depth, int32_t width, int32_t height) {
    Release();
    display_ = display;
    if (!sharingRefused_ && XShmQueryExtension(display_) && MakeShared(visual, depth, width, height)) {
        return true;
    }
    return MakePlain(visual, depth, width, height);
}

bool FrameImage::MakeShared(Visual* visual, int depth, int32_t width, int32_t height) {
    image_ = XShmCreateImage(display_, visual, static_cast<unsigned>(depth), ZPixmap, nullptr, &segment_,
                             static_cast<unsigned>(width), static_cast<unsigned>(height));
    if (image_ == nullptr) {
        return false;
    }
    // The pixels are written least significant byte first; a server of the other order gets plain images.
    if (image_->byte_order != LSBFirst) {
        DestroyImage();
        return false;
    }
    const size_t bytes = Stride() * static_cast<size_t>(height);
    if (!MakeSegment(bytes) || !AttachSegment()) {
        DestroyImage();
        return false;
    }
    std::memset(Pixels(), 0, bytes);
    return true;
}

bool FrameImage::MakeSegment(size_t bytes) {
    // Marked for removal as soon as it is attached, so the segment goes with the last process attached
    // however this one ends; the stop signals wait meanwhile, which makes no server call. The server
    // attaches it marked, as Linux allows.
    sigset_t stops;
    sigset_t before;
    sigemptyset(&stops);
    sigaddset(&stops, SIGTERM);
    sigaddset(&stops, SIGINT);
    sigaddset(&stops, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stops, &before);
    void* address = reinterpret_cast<void*>(-1);
    segment_.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (segment_.shmid >= 0) {
        address = shmat(segment_.shmid, nullptr, 0);
        shmctl(segment_.shmid, IPC_RMID, nullptr);
    }
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    if (address == reinterpret_cast<void*>(-1)) {
        return false;
    }
    segment_.shmaddr = image_->data = static_cast<char*>(address);
    return true;
}

bool FrameImage::AttachSegment() {
    segment_.readOnly = False;
    const Bool attached = XShmAttach(display_, &segment_);
    XSync(display_, False);
    if (!attached || TakeXError()) {
        sharingRefused_ = true;
        shmdt(segment_.shmaddr);
        return false;
    }
    shared_ = true;
    return true;
}

bool FrameImage::MakePlain(Visual* visual, int depth, int32_t width, int32_t height) {
    image_ = XCreateImage(display_, visual, static_cast<unsigned>(depth), ZPixmap, 0, nullptr,
                          static_cast<unsigned>(width), static_cast<unsigned>(height), 32, 0);
    if (image_ == nullptr) {
        return false;
    }
    // Pixels are written least significant byte first; Xlib swaps them for a server of the other order.
    image_->byte_order = LSBFirst;
    plainPixels_.assign(Stride() * static_cast<size_t>(height), 0);
    image_->data = reinterpret_cast<char*>(plainPixels_.data());
    return true;
}

void FrameImage::Put(Drawable drawable, GC gc, const PixelArea& area) const {
    const unsigned width = static_cast<unsigned>(area.width);
    const unsigned height = static_cast<unsigned>(area.height);
    if (shared_) {
        XShmPutImage(display_, drawable, gc, image_, area.x, area.y, area.x, area.y, width, height, False);
    } else {
        XPutImage(display_, drawable, gc, image_, area.x, area.y, area.x, area.y, width, height);
    }
}

Pixmap FrameImage::SharedPixmap(Drawable drawable) const {
    int major = 0;
    int minor = 0;
    Bool pixmaps = False;
    if (!shared_ || !XShmQueryVersion(display_, &major, &minor, &pixmaps) || !pixmaps ||
        XShmPixmapFormat(display_) != ZPixmap) {
        return 0;
    }
    return XShmCreatePixmap(display_, drawable, segment_.shmaddr, const_cast<XShmSegmentInfo*>(&segment_),
                            static_cast<unsigned>(image_->width), static_cast<unsigned>(image_->height),
                            static_cast<unsigned>(image_->depth));
}

void FrameImage::Release() {
    if (image_ == nullptr) {
        return;
    }
    if (shared_) {
        XShmDetach(display_, &segment_);
        XSync(display_, False);
        shmdt(segment_.shmaddr);
        shared_ = false;
    }
    DestroyImage();
}

void FrameImage::DestroyImage() {
    // The pixels are not Xlib's to free.
    image_->data = nullptr;
    XDestroyImage(image_);
    image_ = nullptr;
}
