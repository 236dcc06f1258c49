// What the hosts wait on: the window system's connection, SIGTERM and SIGINT, and the monotonic
// clock.
#include "platform/host_events.h"

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <time.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t stopSignal = 0;
// The handler writes a byte here, so that a wait that began before the flag was set ends.
int wakeRead = -1, wakeWrite = -1;

extern "C" void noteStopSignal(int signal) {
    stopSignal = signal;
    if (wakeWrite >= 0) {
        const char byte = 0;
        [[maybe_unused]] ssize_t written = write(wakeWrite, &byte, 1);
    }
}

} // namespace

void catchStopSignals() {
    int ends[2];
    if (wakeRead < 0 && pipe2(ends, O_CLOEXEC | O_NONBLOCK) == 0)
        wakeRead = ends[0], wakeWrite = ends[1];
    struct sigaction action {};
    action.sa_handler = noteStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

int pendingStopSignal() {
    return stopSignal;
}

void endBySignal(int signal) {
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    _exit(128 + signal); // not reached: the default action of both signals ends the process
}

bool waitForInput(int fd, std::int64_t timeoutMs) {
    if (stopSignal) return false;
    pollfd watched[2] = {{fd, POLLIN, 0}, {wakeRead, POLLIN, 0}};
    const int timeout =
        timeoutMs < 0 ? -1 : static_cast<int>(std::min<std::int64_t>(timeoutMs, 1 << 30));
    return poll(watched, wakeRead >= 0 ? 2 : 1, timeout) > 0 &&
           (watched[0].revents & (POLLIN | POLLHUP | POLLERR));
}

std::int64_t monotonicMs() {
    return monotonicNs() / 1000000;
}

std::int64_t monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}
