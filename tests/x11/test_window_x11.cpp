// A plain 640 x 480 window for quorrel to draw into, as a daemon would make one. Prints the window's
// id and keeps it until the process is ended, which destroys it.
//   x11_test_window [--input-only]
#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "test-window: cannot open display\n");
        return 1;
    }
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    Window window;
    if (argc == 2 && std::strcmp(argv[1], "--input-only") == 0) {
        XSetWindowAttributes attributes{};
        window =
            XCreateWindow(display, root, 0, 0, 640, 480, 0, 0, InputOnly, CopyFromParent, 0, &attributes);
    } else {
        window = XCreateSimpleWindow(display, root, 0, 0, 640, 480, 0, 0, BlackPixel(display, screen));
    }
    XMapWindow(display, window);
    XSync(display, False);
    std::printf("0x%lx\n", static_cast<unsigned long>(window));
    std::fflush(stdout);
    for (;;) {
        pause();
    }
}
