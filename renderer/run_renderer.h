#pragma once

// The renderer's whole run: start-up, then frames until the window's close request ends the process.
void RunRenderer();
