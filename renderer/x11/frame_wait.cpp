#include "frame_wait.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>

namespace {

int stopPipe[2] = {-1, -1};
int stopSignal = 0;

void NoteStop(int signal) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(signal);
    // A full pipe already holds a stop, so a failed write loses nothing.
    [[maybe_unused]] const ssize_t written = write(stopPipe[1], &byte, 1);
    errno = savedErrno;
}

}  // namespace

bool CatchStopSignals() {
    if (pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return false;
    }
    struct sigaction action {};
    action.sa_handler = NoteStop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return sigaction(SIGTERM, &action, nullptr) == 0 && sigaction(SIGINT, &action, nullptr) == 0;
}

WaitEnd WaitForFrame(int fd, FrameClock::time_point due) {
    pollfd watched[2] = {{stopPipe[0], POLLIN, 0}, {fd, POLLIN, 0}};
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::nanoseconds>(due - FrameClock::now());
        const auto wait = std::max(left, std::chrono::nanoseconds::zero());
        const timespec timeout{static_cast<time_t>(wait.count() / 1'000'000'000),
                               static_cast<long>(wait.count() % 1'000'000'000)};
        const int ready = ppoll(watched, 2, &timeout, nullptr);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready > 0 && watched[0].revents != 0) {
            char byte = 0;
            if (read(stopPipe[0], &byte, 1) == 1) {
                stopSignal = byte;
            }
            return WaitEnd::StopAsked;
        }
        if (ready > 0) {
            return WaitEnd::InputReady;
        }
        // Time is up, or the wait failed, which only makes this frame come early.
        return WaitEnd::FrameDue;
    }
}

int StopSignal() {
    return stopSignal;
}
