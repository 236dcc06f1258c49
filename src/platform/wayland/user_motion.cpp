// When the pointer's motion is the user's, for the screen saver on the overlay layer, which input
// ends: not in the first half second, and not before it has gone 10 pixels.
#include "platform/wayland/user_motion.h"

#include <cmath>

namespace {

// So far the pointer may settle, or a hand brush the desk, without ending the screen saver.
constexpr double leastMotion = 10;

bool farEnough(double dx, double dy) {
    return std::hypot(dx, dy) >= leastMotion;
}

} // namespace

void UserMotion::entered(double x, double y) {
    startX = x, startY = y;
    relativeX = relativeY = 0;
}

// Until motion counts, its place is where the pointer starts from.
bool UserMotion::movedTo(double x, double y, std::int64_t nowMs) {
    if (nowMs < countsFromMs) {
        entered(x, y);
        return false;
    }
    return farEnough(x - startX, y - startY);
}

bool UserMotion::movedBy(double dx, double dy, std::int64_t nowMs) {
    if (nowMs < countsFromMs) return false;
    relativeX += dx, relativeY += dy;
    return farEnough(relativeX, relativeY);
}
