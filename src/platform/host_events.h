// What the hosts wait on: the window system's connection, SIGTERM and SIGINT, and the monotonic
// clock.
#pragma once

#include <cstdint>

// From now on SIGTERM and SIGINT are only noted, and wake waitForInput; the host acts on them
// between frames.
void catchStopSignals();

// The stop signal that has arrived, or 0.
int pendingStopSignal();

// Ends the process by `signal` itself (its default action), so that the caller sees why.
[[noreturn]] void endBySignal(int signal);

// Sleeps until the window system's connection `fd` has something to read, a stop signal arrives
// or `timeoutMs` milliseconds pass (a negative timeout: no limit). True when `fd` can be read, or
// has failed, which reading it then tells.
bool waitForInput(int fd, std::int64_t timeoutMs);

// The monotonic clock in whole milliseconds, and in nanoseconds.
std::int64_t monotonicMs();
std::int64_t monotonicNs();
