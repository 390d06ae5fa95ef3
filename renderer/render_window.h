#pragma once
// What the frame loop needs of a window: the gdi module on Windows, a headless stand-in elsewhere.
#include <cstdint>

#include "frame.h"

// The window's class name and title: the host finds the renderer by this title.
inline constexpr char kRenderWindowName[] = "Vantor_Render";

// 1 when the window is up, 0 when its class could not be registered.
int CreateRenderWindow(const char* className, int32_t width, int32_t height);
// Shows the frame and handles pending window messages: 1 to go on, 0 when the run has ended. The
// Windows window always gives 1: its close request ends the process in here.
int PresentFrame(const PaletteEntry* frame);
