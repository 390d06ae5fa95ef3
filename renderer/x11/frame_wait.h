#pragma once
// Waiting for the next frame while staying responsive: to the X connection, and to SIGTERM and
// SIGINT, which arrive through a pipe so that a wait never misses one.
#include <chrono>

using FrameClock = std::chrono::steady_clock;

enum class WaitEnd { FrameDue, InputReady, StopAsked };

// Turns SIGTERM and SIGINT into a byte on a pipe; call before anything else can take a while.
// False if the pipe or the handlers could not be set up.
bool CatchStopSignals();
// Waits until due, input on fd or a stop signal, whichever comes first; never blocks when due is past.
WaitEnd WaitForFrame(int fd, FrameClock::time_point due);
// The signal behind the last WaitEnd::StopAsked.
int StopSignal();
