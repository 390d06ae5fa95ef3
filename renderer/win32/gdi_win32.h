#pragma once
// The renderer's window on Windows: behind CreateRenderWindow and PresentFrame (render_window.h)
// sit this window procedure and the close path it runs.
#include <windows.h>

#include "render_window.h"

// Destroys the other monitors' windows, releases the device context, destroys the window and switches
// the system screen saver back on.
void CloseRenderer();

// Stretches the frame handed over last onto the window's client area through its device context and
// validates the window; before the first frame and after the close path it draws and validates nothing.
void PaintFrame(HWND window, HDC dc);

LRESULT CALLBACK RenderWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
