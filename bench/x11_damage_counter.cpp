// Counts what the X server redraws on the root window for SECONDS seconds, as a DAMAGE client sees it
// (a rectangle for each part of each drawing request), then prints
// "pixels=N rectangles=M ms=T" and ends. tools/bench-x11.sh runs it beside quorrel.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const double seconds = argc == 2 ? std::atof(argv[1]) : 0;
    if (seconds <= 0) {
        std::fprintf(stderr, "usage: x11-damage-counter SECONDS\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "x11-damage-counter: cannot open the display\n");
        return 1;
    }
    int eventBase = 0;
    int errorBase = 0;
    if (!XDamageQueryExtension(display, &eventBase, &errorBase)) {
        std::fprintf(stderr, "x11-damage-counter: the server has no DAMAGE\n");
        return 1;
    }
    XDamageCreate(display, DefaultRootWindow(display), XDamageReportRawRectangles);
    // A new damage object reports the whole window at once: that is no drawing.
    XSync(display, True);

    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const Clock::time_point end =
        start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    unsigned long long pixels = 0;
    unsigned long long rectangles = 0;
    for (Clock::time_point now = start; now < end; now = Clock::now()) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == eventBase + XDamageNotify) {
                const XRectangle& area = reinterpret_cast<XDamageNotifyEvent&>(event).area;
                pixels += static_cast<unsigned long long>(area.width) * area.height;
                ++rectangles;
            }
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - now).count();
        poll(&connection, 1, static_cast<int>(left) + 1);
    }
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    std::printf("pixels=%llu rectangles=%llu ms=%lld\n", pixels, rectangles,
                static_cast<long long>(elapsed.count()));
    XCloseDisplay(display);
    return 0;
}
