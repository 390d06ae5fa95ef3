#include "frame_wait.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <ctime>

WaitEnd WaitForFrame(int fd, FrameClock::time_point due) {
    pollfd watched{fd, POLLIN, 0};
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::nanoseconds>(due - FrameClock::now());
        const auto wait = std::max(left, std::chrono::nanoseconds::zero());
        const timespec timeout{static_cast<time_t>(wait.count() / 1'000'000'000),
                               static_cast<long>(wait.count() % 1'000'000'000)};
        const int ready = ppoll(&watched, 1, &timeout, nullptr);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready > 0) {
            return WaitEnd::InputReady;
        }
        // Time is up, or the wait failed, which only makes this frame come early.
        return WaitEnd::FrameDue;
    }
}
