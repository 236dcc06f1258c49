// When the pointer's motion is the user's, for the screen saver on the overlay layer, which input
// ends: not in the first half second, and not before it has gone 10 pixels.
#pragma once

#include <cstdint>

class UserMotion {
  public:
    // Motion before `fromMs` on the monotonic clock does not count.
    explicit UserMotion(std::int64_t fromMs = 0) : countsFromMs(fromMs) {}

    // A pointer reports its place (it has come over the surface): not a motion.
    void entered(double x, double y);
    // True when the pointer, at (x, y) or moved by (dx, dy) at `nowMs`, has gone far enough from
    // where it was first seen, counting its place or its relative motion.
    bool movedTo(double x, double y, std::int64_t nowMs);
    bool movedBy(double dx, double dy, std::int64_t nowMs);

  private:
    std::int64_t countsFromMs;
    double startX = 0, startY = 0;       // where the pointer was when motion began to count
    double relativeX = 0, relativeY = 0; // its relative motion since then
};
