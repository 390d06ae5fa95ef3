#pragma once
// The renderer's window on Windows: behind CreateRenderWindow and PresentFrame (render_window.h)
// sit this window procedure and the close path it runs.
#include <windows.h>

#include "render_window.h"

// Releases the device context, destroys the window and switches the system screen saver back on.
void CloseRenderer();

LRESULT CALLBACK RenderWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
