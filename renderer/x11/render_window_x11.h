#pragma once
// The X11 side of render_window.h: the core's frame loop draws into the run main started, each frame
// followed by the events that came meanwhile and a wait until the next one is due, until the run ends:
// its window goes, a key or a close request ends it or the server fails it.
#include "saver_run_x11.h"

// The core's frame loop on the started run, until the run ends.
void RunRendererOn(SaverRun& run);
