#include "target_window_x11.h"

#include <X11/Xutil.h>

#include <cstdio>

#include "frame.h"
#include "x_errors_x11.h"

namespace {

constexpr char kOwnWindowTitle[] = "Quorrel";
constexpr uint32_t kOpaqueAlpha = 0xFF000000;

std::string WindowName(Window window) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%lx", static_cast<unsigned long>(window));
    return text;
}

int BitsPerPixel(Display* display, int depth) {
    int count = 0;
    XPixmapFormatValues* formats = XListPixmapFormats(display, &count);
    int bits = 0;
    for (int i = 0; i < count; ++i) {
        if (formats[i].depth == depth) {
            bits = formats[i].bits_per_pixel;
        }
    }
    XFree(formats);
    return bits;
}

// The frame's bytes go to the server unchanged, so the visual must read them as blue, green, red.
bool TakesFramePixels(Display* display, const XWindowAttributes& attributes) {
    const Visual* visual = attributes.visual;
    return visual->c_class == TrueColor && (attributes.depth == 24 || attributes.depth == 32) &&
           visual->red_mask == 0xFF0000 && visual->green_mask == 0x00FF00 && visual->blue_mask == 0x0000FF &&
           BitsPerPixel(display, attributes.depth) == 32;
}

Window MakeOwnWindow(Display* display, TargetWindow& target) {
    const int screen = DefaultScreen(display);
    const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, kFrameWidth,
                                              kFrameHeight, 0, 0, BlackPixel(display, screen));
    XStoreName(display, window, kOwnWindowTitle);
    XClassHint hint{const_cast<char*>("quorrel"), const_cast<char*>(kOwnWindowTitle)};
    XSetClassHint(display, window, &hint);
    target.deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &target.deleteWindow, 1);
    return window;
}

}  // namespace

std::string OpenTargetWindow(const SaverOptions& options, TargetWindow& target) {
    target.display = XOpenDisplay(nullptr);
    if (target.display == nullptr) {
        return std::string("cannot open display '") + XDisplayName(nullptr) + "'";
    }
    RecordXErrors();
    switch (options.target) {
        case DrawTarget::Root:
            target.window = DefaultRootWindow(target.display);
            break;
        case DrawTarget::WindowId:
            target.window = options.windowId;
            break;
        case DrawTarget::OwnWindow:
            target.window = MakeOwnWindow(target.display, target);
            target.own = true;
            break;
    }
    XWindowAttributes attributes;
    const Status found = XGetWindowAttributes(target.display, target.window, &attributes);
    TakeXError();
    if (found == 0) {
        return "no window " + WindowName(target.window);
    }
    if (!TakesFramePixels(target.display, attributes)) {
        return "window " + WindowName(target.window) + " is not 24 or 32-bit TrueColor";
    }
    target.visual = attributes.visual;
    target.depth = attributes.depth;
    target.width = attributes.width;
    target.height = attributes.height;
    target.fourthByte = attributes.depth == 32 ? kOpaqueAlpha : 0;
    return {};
}

void WatchTargetWindow(const TargetWindow& target) {
    if (target.own) {
        XSelectInput(target.display, target.window, StructureNotifyMask | KeyPressMask);
        XMapWindow(target.display, target.window);
    } else {
        // Other clients may watch the same window; only the daemon redirects it.
        XSelectInput(target.display, target.window, StructureNotifyMask);
    }
}
