#include "server_scale_x11.h"

#include <cstring>

#include "frame_stretch.h"
#include "x_errors_x11.h"

namespace {

// The frame's bytes (blue, green, red, fourth byte) are a pixel of this depth in 32 bits.
constexpr int kFrameDepth = 24;

bool OffersFrameDepth(Display* display) {
    int count = 0;
    int* depths = XListDepths(display, DefaultScreen(display), &count);
    bool offered = false;
    for (int i = 0; i < count; ++i) {
        offered = offered || depths[i] == kFrameDepth;
    }
    XFree(depths);
    return offered;
}

}  // namespace

bool ServerScale::Start(const TargetWindow& target) {
    display_ = target.display;
    int eventBase = 0;
    int errorBase = 0;
    if (!XRenderQueryExtension(display_, &eventBase, &errorBase)) {
        return false;
    }
    XRenderPictFormat* windowFormat = XRenderFindVisualFormat(display_, target.visual);
    XRenderPictFormat* frameFormat = XRenderFindStandardFormat(display_, PictStandardRGB24);
    if (windowFormat == nullptr || frameFormat == nullptr || !OffersFrameDepth(display_) ||
        !upload_.Resize(display_, nullptr, kFrameDepth, kFrameWidth, kFrameHeight) ||
        upload_.Stride() != kFrameWidth * sizeof(PaletteEntry)) {
        upload_.Release();
        return false;
    }
    pixmap_ = upload_.SharedPixmap(target.window);
    pixmapShared_ = pixmap_ != 0;
    if (!pixmapShared_) {
        pixmap_ = XCreatePixmap(display_, target.window, kFrameWidth, kFrameHeight, kFrameDepth);
    }
    pixmapGc_ = XCreateGC(display_, pixmap_, 0, nullptr);
    frame_ = XRenderCreatePicture(display_, pixmap_, frameFormat, 0, nullptr);
    window_ = XRenderCreatePicture(display_, target.window, windowFormat, 0, nullptr);
    XRenderSetPictureFilter(display_, frame_, FilterNearest, nullptr, 0);
    XSync(display_, False);
    if (TakeXError()) {
        // Some of the ids may name nothing the server made: the errors of freeing them are the set-up's
        // too, and must not reach the run.
        Release();
        XSync(display_, False);
        TakeXError();
        return false;
    }
    return true;
}

void ServerScale::Upload(const PaletteEntry* frame, const std::vector<PixelArea>& frameAreas) {
    for (const PixelArea& area : frameAreas) {
        for (int32_t row = area.y; row < area.y + area.height; ++row) {
            const int32_t first = row * kFrameWidth + area.x;
            std::memcpy(upload_.Pixels() + first * sizeof(PaletteEntry), frame + first,
                        area.width * sizeof(PaletteEntry));
        }
        if (!pixmapShared_) {
            upload_.Put(pixmap_, pixmapGc_, area);
        }
    }
}

void ServerScale::Scale(const TargetWindow& target, const std::vector<PixelArea>& windowAreas) {
    if (target.width != scaledWidth_ || target.height != scaledHeight_) {
        // Maps window coordinates to frame coordinates.
        XTransform transform{};
        transform.matrix[0][0] = FrameStep(kFrameWidth, target.width);
        transform.matrix[1][1] = FrameStep(kFrameHeight, target.height);
        transform.matrix[2][2] = XDoubleToFixed(1.0);
        XRenderSetPictureTransform(display_, frame_, &transform);
        scaledWidth_ = target.width;
        scaledHeight_ = target.height;
    }
    // One composite each: a clip region would have the server count its whole extent as drawn.
    for (const PixelArea& area : windowAreas) {
        XRenderComposite(display_, PictOpSrc, frame_, None, window_, area.x, area.y, 0, 0, area.x, area.y,
                         static_cast<unsigned>(area.width), static_cast<unsigned>(area.height));
    }
}

void ServerScale::Release() {
    // In the reverse order of making: the pixmap may be the upload's shared memory.
    if (frame_ != 0) {
        XRenderFreePicture(display_, window_);
        XRenderFreePicture(display_, frame_);
        XFreeGC(display_, pixmapGc_);
        XFreePixmap(display_, pixmap_);
        frame_ = 0;
    }
    upload_.Release();
}
