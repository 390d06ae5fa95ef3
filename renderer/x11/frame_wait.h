#pragma once
// Waiting for the next frame while staying responsive to the X connection.
#include <chrono>

using FrameClock = std::chrono::steady_clock;

enum class WaitEnd { FrameDue, InputReady };

// Waits until due or input on fd, whichever comes first; never blocks when due is past.
WaitEnd WaitForFrame(int fd, FrameClock::time_point due);
