#include "target_window_x11.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "frame.h"
#include "x_errors_x11.h"

namespace {

constexpr char kOwnWindowTitle[] = "Quorrel";

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

const char* VisualClassName(int visualClass) {
    switch (visualClass) {
        case StaticGray:
            return "StaticGray";
        case GrayScale:
            return "GrayScale";
        case StaticColor:
            return "StaticColor";
        case PseudoColor:
            return "PseudoColor";
        case DirectColor:
            return "DirectColor";
        default:
            return "TrueColor";
    }
}

// Empty when the frame can be drawn in the window, otherwise what the window is.
std::string CheckDrawable(Display* display, const XWindowAttributes& attributes, TargetWindow& target) {
    const std::string name = "window " + WindowName(target.window);
    if (attributes.c_class == InputOnly) {
        return name + " is InputOnly: nothing can be drawn in it";
    }
    const Visual* visual = attributes.visual;
    if (visual->c_class != TrueColor) {
        return name + " has a " + VisualClassName(visual->c_class) + " visual of depth " +
               std::to_string(attributes.depth) + "; quorrel draws on TrueColor only";
    }
    const PixelLayout layout{
        static_cast<uint32_t>(visual->red_mask), static_cast<uint32_t>(visual->green_mask),
        static_cast<uint32_t>(visual->blue_mask), attributes.depth, BitsPerPixel(display, attributes.depth)};
    target.conversion = PixelConversion::For(layout);
    if (!target.conversion) {
        char masks[96];
        std::snprintf(masks, sizeof masks, "red 0x%x, green 0x%x, blue 0x%x in %d-bit pixels", layout.redMask,
                      layout.greenMask, layout.blueMask, layout.bitsPerPixel);
        return name + " has a TrueColor visual of depth " + std::to_string(attributes.depth) +
               " with channels quorrel cannot fill: " + masks;
    }
    return {};
}

Window MakeOwnWindow(Display* display, TargetWindow& target) {
    const int screen = DefaultScreen(display);
    const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, kFrameWidth,
                                              kFrameHeight, 0, 0, BlackPixel(display, screen));
    XStoreName(display, window, kOwnWindowTitle);
    XClassHint hint{const_cast<char*>("quorrel"), const_cast<char*>(kOwnWindowTitle)};
    XSetClassHint(display, window, &hint);
    target.protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    target.deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &target.deleteWindow, 1);
    // The process behind the window, for a window manager that offers to end a program that hangs; the
    // machine is named with it, as the id means nothing on another.
    char host[256];
    if (gethostname(host, sizeof host) == 0) {
        host[sizeof host - 1] = '\0';
        XTextProperty machine{reinterpret_cast<unsigned char*>(host), XA_STRING, 8, std::strlen(host)};
        XSetWMClientMachine(display, window, &machine);
        const long pid = getpid();
        XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
    }
    return window;
}

}  // namespace

std::string OpenTargetWindow(const SaverOptions& options, TargetWindow& target) {
    const char* displayName = options.display.empty() ? nullptr : options.display.c_str();
    target.display = XOpenDisplay(displayName);
    if (target.display == nullptr) {
        return std::string("cannot open display '") + XDisplayName(displayName) + "'";
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
    if (std::string refusal = CheckDrawable(target.display, attributes, target); !refusal.empty()) {
        return refusal;
    }
    target.visual = attributes.visual;
    target.depth = attributes.depth;
    target.width = attributes.width;
    target.height = attributes.height;
    return {};
}

void WatchTargetWindow(const TargetWindow& target) {
    if (target.own) {
        XSelectInput(target.display, target.window, StructureNotifyMask | ExposureMask | KeyPressMask);
        XMapWindow(target.display, target.window);
    } else {
        // Other clients may watch the same window; only the daemon redirects it.
        XSelectInput(target.display, target.window, StructureNotifyMask | ExposureMask);
    }
}
