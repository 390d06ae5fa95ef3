#pragma once

// The renderer's whole run: start-up, then frames until the window ends the run (the X11 and headless
// windows, by returning) or the process (the Windows window, on its close request).
void RunRenderer();
