// Preloaded into quorrel: records the pixmaps made on shared memory segments and says on standard
// error when a segment is detached while a pixmap made on it is still there, which must be freed first.
#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include <cstdio>
#include <map>

#include "preload.h"

namespace {

// Each live shared pixmap's segment.
std::map<Pixmap, ShmSeg>& SharedPixmaps() {
    static std::map<Pixmap, ShmSeg> pixmaps;
    return pixmaps;
}

}  // namespace

extern "C" Pixmap XShmCreatePixmap(Display* display, Drawable drawable, char* data, XShmSegmentInfo* segment,
                                   unsigned width, unsigned height, unsigned depth) {
    static auto* next =
        Next<Pixmap(Display*, Drawable, char*, XShmSegmentInfo*, unsigned, unsigned, unsigned)>(
            "XShmCreatePixmap");
    const Pixmap pixmap = next(display, drawable, data, segment, width, height, depth);
    SharedPixmaps()[pixmap] = segment->shmseg;
    return pixmap;
}

extern "C" int XFreePixmap(Display* display, Pixmap pixmap) {
    static auto* next = Next<int(Display*, Pixmap)>("XFreePixmap");
    SharedPixmaps().erase(pixmap);
    return next(display, pixmap);
}

extern "C" Bool XShmDetach(Display* display, XShmSegmentInfo* segment) {
    static auto* next = Next<Bool(Display*, XShmSegmentInfo*)>("XShmDetach");
    for (const auto& [pixmap, seg] : SharedPixmaps()) {
        if (seg == segment->shmseg) {
            std::fprintf(stderr, "segment 0x%lx detached before its pixmap 0x%lx was freed\n", seg, pixmap);
        }
    }
    return next(display, segment);
}
