#pragma once
// The figure on every monitor but the primary one, which "Vantor_Render" covers: one borderless window
// per monitor, owned by "Vantor_Render", showing the same frame. Their class and title differ from
// "Vantor_Render", so the host, watching for that title, still finds exactly one window. On one monitor
// there are none, and none of this does anything but look at the monitors.
#include <windows.h>

// The class name and title of these windows.
inline constexpr char kMonitorWindowName[] = "Vantor_Monitor";

// Gives every monitor but the primary one a window that covers it, moves the windows to where the
// monitors now are, and destroys the windows of monitors that have gone. At creation and on every
// display change.
void FollowMonitors(HWND renderWindow);
// Shows the frame handed over last on every one of these windows.
void PaintMonitorWindows();
// Handles the pending messages of these windows, as PresentFrame does for "Vantor_Render".
void HandleMonitorWindowMessages();
// The close path's part: releases their device contexts and destroys them.
void DestroyMonitorWindows();

LRESULT CALLBACK MonitorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
