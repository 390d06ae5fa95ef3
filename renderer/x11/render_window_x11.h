#pragma once
// The X11 side of render_window.h: the frame loop draws into the window the options name, paced by
// their delay, and PresentFrame ends the run when that window goes, a key or a close request ends it,
// the server fails it or a stop signal comes.
#include <string>

#include "saver_options.h"

// How a run ended: with an exit status, or by a stop signal (non-zero), which the program ends by.
struct RunEnd {
    int status = 0;
    int signal = 0;
};

// Set (to anything): the frame is stretched and converted here even where the server could scale it.
// Meant for the tests and the bench, which compare the two ways.
inline constexpr char kOwnStretchVariable[] = "QUORREL_OWN_STRETCH";

// Opens the display and the target window before the frame loop starts, with the server scaling the
// frame where it offers that unless ownStretch. An empty result means success, otherwise the reason.
std::string PrepareRenderWindow(const SaverOptions& options, bool ownStretch);
// After the frame loop: lets go of the image and the display, and says how the run ended.
RunEnd CloseRenderWindow();
