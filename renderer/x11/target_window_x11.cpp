#include "target_window_x11.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "frame.h"
#include "quoted_text.h"
#include "visual_choice_x11.h"
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

// The own window's size and place: 640 x 480 at the top left, unless -geometry says otherwise.
XSizeHints OwnWindowPlace(Display* display, int screen, const std::string& geometry) {
    XSizeHints hints{};
    hints.flags = PSize | PWinGravity;
    hints.width = kFrameWidth;
    hints.height = kFrameHeight;
    hints.win_gravity = NorthWestGravity;
    if (geometry.empty()) {
        return hints;
    }
    char standard[32];
    std::snprintf(standard, sizeof standard, "%dx%d", kFrameWidth, kFrameHeight);
    int x = 0;
    int y = 0;
    unsigned width = 0;
    unsigned height = 0;
    const int given = XParseGeometry(geometry.c_str(), &x, &y, &width, &height);
    if (given == NoValue || ((given & WidthValue) != 0 && width == 0) ||
        ((given & HeightValue) != 0 && height == 0)) {
        std::fprintf(stderr, "quorrel: -geometry %s is no window geometry; %s instead\n",
                     Quoted(geometry).c_str(), standard);
        return hints;
    }
    const int placed = XWMGeometry(display, screen, geometry.c_str(), standard, 0, &hints, &hints.x, &hints.y,
                                   &hints.width, &hints.height, &hints.win_gravity);
    // Given by the user: a window manager places the window so.
    if ((placed & (WidthValue | HeightValue)) != 0) {
        hints.flags |= USSize;
    }
    if ((placed & (XValue | YValue)) != 0) {
        hints.flags |= USPosition;
    }
    return hints;
}

Window MakeOwnWindow(Display* display, const SaverOptions& options, TargetWindow& target) {
    const int screen = DefaultScreen(display);
    const ChosenVisual chosen = ChooseVisual(display, screen, options.visual);
    if (!chosen.warning.empty()) {
        std::fprintf(stderr, "quorrel: %s\n", chosen.warning.c_str());
    }
    XSizeHints place = OwnWindowPlace(display, screen, options.geometry);
    // A visual other than the default needs a colormap of its own, and a border pixel of it.
    XSetWindowAttributes attributes{};
    attributes.colormap = XCreateColormap(display, RootWindow(display, screen), chosen.visual, AllocNone);
    const Window window = XCreateWindow(display, RootWindow(display, screen), place.x, place.y,
                                        static_cast<unsigned>(place.width),
                                        static_cast<unsigned>(place.height), 0, chosen.depth, InputOutput,
                                        chosen.visual, CWColormap | CWBorderPixel | CWBackPixel, &attributes);
    XSetWMNormalHints(display, window, &place);
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
    if (options.synchronous) {
        XSynchronize(target.display, True);
    }
    switch (options.target) {
        case DrawTarget::Root:
            target.window = DefaultRootWindow(target.display);
            break;
        case DrawTarget::WindowId:
            target.window = options.windowId;
            break;
        case DrawTarget::OwnWindow:
            target.window = MakeOwnWindow(target.display, options, target);
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
    if (target.own) {
        // Black, opaque on a visual with alpha, where the window is uncovered before a frame reaches it.
        XSetWindowBackground(target.display, target.window, target.conversion->Convert({0, 0, 0, 0}));
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
