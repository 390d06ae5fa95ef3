#pragma once
// The X11 side of render_window.h: the frame loop draws into the window the options name, paced by
// their delay, and the run ends in PresentFrame when that window goes or a stop is asked for.
#include <string>

#include "saver_options.h"

// Opens the display and the target window before the frame loop starts. An empty result means
// success, otherwise the reason.
std::string PrepareRenderWindow(const SaverOptions& options);
