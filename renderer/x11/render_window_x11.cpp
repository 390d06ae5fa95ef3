#include "render_window_x11.h"

#include <algorithm>

#include "frame_wait.h"
#include "render_window.h"
#include "run_renderer.h"

namespace {

// The run the frame loop draws into: the core's window functions take no run of their own.
SaverRun* current = nullptr;

void HandlePendingEvents(SaverRun& run) {
    while (!run.end && XPending(run.target.display) > 0) {
        XEvent event;
        XNextEvent(run.target.display, &event);
        HandleSaverEvent(run, event);
    }
}

}  // namespace

void RunRendererOn(SaverRun& run) {
    current = &run;
    RunRenderer();
    current = nullptr;
}

// The class name is a Windows matter; the window was opened by StartSaver, and the frame's size is fixed.
int CreateRenderWindow(const char*, int32_t, int32_t) {
    current->frameDue = FrameClock::now();
    return current->end ? 0 : 1;
}

int PresentFrame(const PaletteEntry* frame) {
    SaverRun& run = *current;
    HandlePendingEvents(run);
    if (run.end) {
        return 0;
    }
    DrawSaverFrame(run, frame);
    if (run.end) {
        return 0;
    }

    // A frame that took longer than the delay is followed at once, without catching up.
    run.frameDue = std::max(run.frameDue + run.frameDelay, FrameClock::now());
    for (;;) {
        HandlePendingEvents(run);
        if (run.end) {
            return 0;
        }
        switch (WaitForFrame(ConnectionNumber(run.target.display), run.frameDue)) {
            case WaitEnd::FrameDue:
                return 1;
            case WaitEnd::InputReady:
                break;
        }
    }
}
