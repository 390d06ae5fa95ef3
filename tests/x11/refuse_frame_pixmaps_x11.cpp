// Preloaded into quorrel: a server that offers RENDER but no pixmaps of depth 24, the frame's. Each
// request for such a pixmap goes to the server with depth 0, which it refuses (BadValue) as that server
// would; everything else passes unchanged.
#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include "preload.h"

namespace {

constexpr unsigned kRefusedDepth = 24;

unsigned Asked(unsigned depth) {
    return depth == kRefusedDepth ? 0 : depth;
}

}  // namespace

extern "C" Pixmap XCreatePixmap(Display* display, Drawable drawable, unsigned width, unsigned height,
                                unsigned depth) {
    static auto* next = Next<Pixmap(Display*, Drawable, unsigned, unsigned, unsigned)>("XCreatePixmap");
    return next(display, drawable, width, height, Asked(depth));
}

extern "C" Pixmap XShmCreatePixmap(Display* display, Drawable drawable, char* data, XShmSegmentInfo* segment,
                                   unsigned width, unsigned height, unsigned depth) {
    static auto* next =
        Next<Pixmap(Display*, Drawable, char*, XShmSegmentInfo*, unsigned, unsigned, unsigned)>(
            "XShmCreatePixmap");
    return next(display, drawable, data, segment, width, height, Asked(depth));
}
