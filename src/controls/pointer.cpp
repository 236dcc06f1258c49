// The pointer, and the manual camera that turns with it and walks by the held arrow keys.
#include "controls/pointer.h"

#include <cmath>

namespace {

// The manual camera's heading is kept in degrees and turned into radians with this factor.
const double headingDegreesPerRadian = 57.2958;
const double walkUnitsPerSecond = 2.0;
const double mouseLookDegreesPerPixel = 0.1;

} // namespace

void recordPointer(PointerInput& input, int x, int y) {
    input.mouseMoved = 1;
    input.mouseDX = x - pointerRestX;
    input.mouseDY = y - pointerRestY;
}

void clickPointer(PointerInput& input, bool leftButton, int x, int y) {
    if (leftButton) recordPointer(input, x, y);
}

void reportPointerAtRest(PointerInput& input) {
    recordPointer(input, pointerRestX, pointerRestY);
}

void lookWithPointer(const PointerInput& input, CameraPose& pose) {
    pose.camPitch += input.mouseDY * mouseLookDegreesPerPixel;
    pose.camYaw += input.mouseDX * mouseLookDegreesPerPixel;
}

void moveManualCamera(const PointerInput& input, CameraPose& pose, float frameDelta) {
    if (input.arrowKeys == 0) return;
    double step = walkUnitsPerSecond * frameDelta;
    double a = pose.camYaw / headingDegreesPerRadian;
    double s = std::sin(a) * step, c = std::cos(a) * step;
    if (input.arrowKeys & arrowLeft) pose.camX -= c, pose.camZ -= s;
    if (input.arrowKeys & arrowRight) pose.camX += c, pose.camZ += s;
    if (input.arrowKeys & arrowUp) pose.camX += s, pose.camZ -= c;
    if (input.arrowKeys & arrowDown) pose.camX -= s, pose.camZ += c;
}

void recentrePointerAndWalk(PointerInput& input, CameraPose& pose, float frameDelta,
                            WarpPointer warpPointer) {
    if (!input.mouseMoved) return;
    input.mouseMoved = 0;
    warpPointer(pointerRestX, pointerRestY);
    moveManualCamera(input, pose, frameDelta);
}
