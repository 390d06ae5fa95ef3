#include "saver_run_x11.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <cstdio>

#include "figure.h"
#include "window_area.h"
#include "x_errors_x11.h"

namespace {

void EndRun(SaverRun& run, int status) {
    if (!run.end) {
        run.end = status;
    }
}

const std::vector<PixelArea> kWholeFrame = {{0, 0, kFrameWidth, kFrameHeight}};

void Fail(SaverRun& run, const char* what) {
    std::fprintf(stderr, "quorrel: %s\n", what);
    EndRun(run, 1);
}

// Called after a sync. An error about the window means it has gone between two looks at it.
void CheckXErrors(SaverRun& run) {
    const std::optional<XErrorEvent> error = TakeXError();
    if (!error) {
        return;
    }
    // What the window shows may be wrong now.
    run.wholeFrameDue = true;
    if (error->resourceid == run.target.window ||
        (run.serverScales && error->resourceid == run.serverScale.WindowPicture())) {
        EndRun(run, 0);
        return;
    }
    char text[128];
    XGetErrorText(run.target.display, error->error_code, text, sizeof text);
    Fail(run, text);
}

bool FitImageToWindow(SaverRun& run) {
    const TargetWindow& target = run.target;
    if (run.stretch.Width() == target.width && run.stretch.Height() == target.height) {
        return true;
    }
    if (!run.image.Resize(target.display, target.visual, target.depth, target.width, target.height)) {
        Fail(run, "cannot make an image of the window's size");
        return false;
    }
    run.stretch.Resize(target.width, target.height);
    return true;
}

}  // namespace

std::string StartSaver(SaverRun& run, const SaverOptions& options, bool ownStretch) {
    run.frameDelay = std::chrono::microseconds(options.delayUs);
    run.showFps = options.showFps;
    TargetWindow& target = run.target;
    if (std::string failure = OpenTargetWindow(options, target); !failure.empty()) {
        return failure;
    }
    if (!ownStretch) {
        run.serverScales = run.serverScale.Start(target);
    }
    WatchTargetWindow(target);
    const uint32_t black = target.conversion->Convert({0, 0, 0, 0});
    run.frameGc = XCreateGC(target.display, target.window, 0, nullptr);
    // Black, and opaque on a visual with alpha, until the first frame.
    XSetForeground(target.display, run.frameGc, black);
    XFillRectangle(target.display, target.window, run.frameGc, 0, 0, static_cast<unsigned>(target.width),
                   static_cast<unsigned>(target.height));
    if (run.showFps) {
        run.textGc = XCreateGC(target.display, target.window, 0, nullptr);
        XSetForeground(target.display, run.textGc, target.conversion->Convert({255, 255, 255, 0}));
        XSetBackground(target.display, run.textGc, black);
        run.showFps = run.frameRate.Start(target.display, run.textGc);
    }
    XSync(target.display, False);
    CheckXErrors(run);
    return {};
}

void DrawSaverFrame(SaverRun& run, const PaletteEntry* frame) {
    TargetWindow& target = run.target;
    if (!run.serverScales && !FitImageToWindow(run)) {
        return;
    }
    // Kept up to date every frame: the next frame's changes are counted from this one.
    const std::vector<PixelArea>& changed = run.changes.Next(DrawnSprites);
    const bool whole = run.wholeFrameDue || run.wholeFramesOnly;
    run.wholeFrameDue = false;
    const std::vector<PixelArea>& frameAreas = whole ? kWholeFrame : changed;
    std::vector<PixelArea>& windowAreas = run.windowAreas;
    windowAreas.clear();
    for (const PixelArea& area : frameAreas) {
        windowAreas.push_back(WindowAreaOf(area, target.width, target.height));
    }
    bool readOutDue = run.showFps && whole;
    if (run.showFps) {
        const PixelArea before = run.frameRate.Area(target.height);
        if (run.frameRate.Count()) {
            // A shorter text leaves the frame to show where the longer one was.
            windowAreas.push_back(before);
            readOutDue = true;
        }
        const PixelArea readOut = run.frameRate.Area(target.height);
        for (const PixelArea& area : windowAreas) {
            readOutDue = readOutDue || Overlap(area, readOut);
        }
    }
    if (windowAreas.empty()) {
        return;
    }
    if (run.serverScales) {
        run.serverScale.Upload(frame, frameAreas);
        run.serverScale.Scale(target, windowAreas);
    } else {
        for (const PixelArea& area : frameAreas) {
            target.conversion->ConvertArea(frame, area, run.windowPixels.data());
        }
        for (const PixelArea& area : windowAreas) {
            run.stretch.DrawArea(run.windowPixels.data(), target.conversion->BytesPerPixel(),
                                 run.image.Pixels(), run.image.Stride(), area);
            run.image.Put(target.window, run.frameGc, area);
        }
    }
    if (readOutDue) {
        run.frameRate.Draw(target, run.textGc);
    }
    // The server must have read the shared pixels before the next frame overwrites them.
    XSync(target.display, False);
    CheckXErrors(run);
}

void HandleSaverEvent(SaverRun& run, XEvent& event) {
    TargetWindow& target = run.target;
    switch (event.type) {
        case ConfigureNotify:
            if (event.xconfigure.window == target.window &&
                (event.xconfigure.width != target.width || event.xconfigure.height != target.height)) {
                target.width = event.xconfigure.width;
                target.height = event.xconfigure.height;
                run.wholeFrameDue = true;
            }
            break;
        case Expose:
            if (event.xexpose.window == target.window) {
                run.wholeFrameDue = true;
            }
            break;
        case DestroyNotify:
            if (event.xdestroywindow.window == target.window) {
                EndRun(run, 0);
            }
            break;
        case ClientMessage:
            if (target.own && event.xclient.message_type == target.protocols &&
                static_cast<Atom>(event.xclient.data.l[0]) == target.deleteWindow) {
                EndRun(run, 0);
            }
            break;
        case KeyPress: {
            const KeySym key = XLookupKeysym(&event.xkey, 0);
            if (key == XK_Escape || key == XK_q) {
                EndRun(run, 0);
            }
            break;
        }
        default:
            break;
    }
}

int FreeSaver(SaverRun& run) {
    // Leaves the window as it is and the server with nothing of ours.
    run.serverScale.Release();
    run.image.Release();
    run.frameRate.Release();
    XCloseDisplay(run.target.display);
    return run.end.value_or(0);
}
