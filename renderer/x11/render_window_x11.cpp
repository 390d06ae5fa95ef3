#include "render_window_x11.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

#include "frame_image_x11.h"
#include "frame_rate_x11.h"
#include "frame_stretch.h"
#include "frame_wait.h"
#include "render_window.h"
#include "server_scale_x11.h"
#include "target_window_x11.h"
#include "x_errors_x11.h"

namespace {

TargetWindow target;
// The server scales the frame when it can; otherwise the image takes the frame stretched here.
ServerScale serverScale;
bool serverScales = false;
FrameImage image;
FrameStretch stretch;
// The frame in the window's pixel format, before the stretch.
std::vector<uint32_t> windowPixels(kFramePixels);
GC frameGc;
GC textGc;
bool showFps = false;
FrameRate frameRate;
FrameClock::duration frameDelay;
FrameClock::time_point frameDue;

// Set once the run is over; PresentFrame then returns 0.
std::optional<RunEnd> runEnd;

void EndRun(int status) {
    if (!runEnd) {
        runEnd = RunEnd{status, 0};
    }
}

void Fail(const char* what) {
    std::fprintf(stderr, "quorrel: %s\n", what);
    EndRun(1);
}

void HandleEvent(XEvent& event) {
    switch (event.type) {
        case ConfigureNotify:
            if (event.xconfigure.window == target.window) {
                target.width = event.xconfigure.width;
                target.height = event.xconfigure.height;
            }
            break;
        case DestroyNotify:
            if (event.xdestroywindow.window == target.window) {
                EndRun(0);
            }
            break;
        case ClientMessage:
            if (target.own && static_cast<Atom>(event.xclient.data.l[0]) == target.deleteWindow) {
                EndRun(0);
            }
            break;
        case KeyPress: {
            const KeySym key = XLookupKeysym(&event.xkey, 0);
            if (key == XK_Escape || key == XK_q) {
                EndRun(0);
            }
            break;
        }
        default:
            break;
    }
}

void HandlePendingEvents() {
    while (!runEnd && XPending(target.display) > 0) {
        XEvent event;
        XNextEvent(target.display, &event);
        HandleEvent(event);
    }
}

// Called after a sync. An error about the window means it has gone between two looks at it.
void CheckXErrors() {
    const std::optional<XErrorEvent> error = TakeXError();
    if (!error) {
        return;
    }
    if (error->resourceid == target.window ||
        (serverScales && error->resourceid == serverScale.WindowPicture())) {
        EndRun(0);
        return;
    }
    char text[128];
    XGetErrorText(target.display, error->error_code, text, sizeof text);
    Fail(text);
}

bool FitImageToWindow() {
    if (stretch.Width() == target.width && stretch.Height() == target.height) {
        return true;
    }
    if (!image.Resize(target.display, target.visual, target.depth, target.width, target.height)) {
        Fail("cannot make an image of the window's size");
        return false;
    }
    stretch.Resize(target.width, target.height);
    return true;
}

}  // namespace

std::string PrepareRenderWindow(const SaverOptions& options, bool ownStretch) {
    frameDelay = std::chrono::microseconds(options.delayUs);
    showFps = options.showFps;
    std::string failure = OpenTargetWindow(options, target);
    if (failure.empty() && !ownStretch) {
        serverScales = serverScale.Start(target);
    }
    return failure;
}

// The class name is a Windows matter; the window was opened by PrepareRenderWindow, and the frame's
// size is fixed.
int CreateRenderWindow(const char*, int32_t, int32_t) {
    WatchTargetWindow(target);
    const uint32_t black = target.conversion->Convert({0, 0, 0, 0});
    frameGc = XCreateGC(target.display, target.window, 0, nullptr);
    // Black, and opaque on a visual with alpha, until the first frame.
    XSetForeground(target.display, frameGc, black);
    XFillRectangle(target.display, target.window, frameGc, 0, 0, static_cast<unsigned>(target.width),
                   static_cast<unsigned>(target.height));
    if (showFps) {
        textGc = XCreateGC(target.display, target.window, 0, nullptr);
        XSetForeground(target.display, textGc, target.conversion->Convert({255, 255, 255, 0}));
        XSetBackground(target.display, textGc, black);
    }
    XSync(target.display, False);
    CheckXErrors();
    frameDue = FrameClock::now();
    return runEnd ? 0 : 1;
}

int PresentFrame(const PaletteEntry* frame) {
    HandlePendingEvents();
    if (runEnd) {
        return 0;
    }
    if (serverScales) {
        serverScale.Show(frame, target);
    } else {
        if (!FitImageToWindow()) {
            return 0;
        }
        target.conversion->ConvertFrame(frame, windowPixels.data());
        stretch.Draw(windowPixels.data(), target.conversion->BytesPerPixel(), image.Pixels(), image.Stride());
        image.Put(target.window, frameGc);
    }
    if (showFps) {
        frameRate.Draw(target, textGc);
    }
    // The server must have read the shared pixels before the next frame overwrites them.
    XSync(target.display, False);
    CheckXErrors();
    if (runEnd) {
        return 0;
    }

    // A frame that took longer than the delay is followed at once, without catching up.
    frameDue = std::max(frameDue + frameDelay, FrameClock::now());
    for (;;) {
        HandlePendingEvents();
        if (runEnd) {
            return 0;
        }
        switch (WaitForFrame(ConnectionNumber(target.display), frameDue)) {
            case WaitEnd::StopAsked:
                runEnd = RunEnd{0, StopSignal()};
                return 0;
            case WaitEnd::FrameDue:
                return 1;
            case WaitEnd::InputReady:
                break;
        }
    }
}

RunEnd CloseRenderWindow() {
    // Leaves the window as it is and the server with nothing of ours.
    serverScale.Release();
    image.Release();
    XCloseDisplay(target.display);
    return runEnd.value_or(RunEnd{});
}
