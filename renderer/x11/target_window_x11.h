#pragma once
// The window the program draws into: the root window, a window the daemon names, or its own.
#include <X11/Xlib.h>

#include <cstdint>
#include <optional>
#include <string>

#include "pixel_conversion.h"
#include "saver_options.h"

struct TargetWindow {
    Display* display = nullptr;
    Window window = 0;
    bool own = false;
    Visual* visual = nullptr;
    int depth = 0;
    int32_t width = 0;
    int32_t height = 0;
    // Frame pixels in the visual's format.
    std::optional<PixelConversion> conversion;
    // The close request a window manager sends the own window: WM_DELETE_WINDOW in a WM_PROTOCOLS message.
    Atom protocols = 0;
    Atom deleteWindow = 0;
};

// Opens the display and finds (or makes, unmapped) the window the options name, and checks that it
// has a TrueColor visual the frame can be converted to. An empty result means success, otherwise the reason.
std::string OpenTargetWindow(const SaverOptions& options, TargetWindow& target);

// Maps the program's own window and asks for the events that resize, spoil or end the run.
void WatchTargetWindow(const TargetWindow& target);
