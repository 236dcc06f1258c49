// Arrow keys, Page Up/Down, Home/End, the pointer and the manual camera that walks with them.
#include "controls/pointer.h"

#include "controls/setting_steps.h"

#include <GL/freeglut.h>
#include <cmath>

namespace {

// The manual camera's heading is kept in degrees and turned into radians with this factor.
const double headingDegreesPerRadian = 57.2958;
const double walkUnitsPerSecond = 2.0;

int arrowBit(int key) {
    switch (key) {
    case GLUT_KEY_LEFT: return arrowLeft;
    case GLUT_KEY_RIGHT: return arrowRight;
    case GLUT_KEY_UP: return arrowUp;
    case GLUT_KEY_DOWN: return arrowDown;
    default: return 0;
    }
}

} // namespace

void pressSpecialKey(int key, PointerInput& input, SimSettings& settings, TextOverlay& text) {
    input.arrowKeys |= arrowBit(key);
    switch (key) {
    case GLUT_KEY_PAGE_UP:
        scaleSetting(settings.mainSpeed, stepUp, "Main Speed: %4.2f\n", text);
        break;
    case GLUT_KEY_PAGE_DOWN:
        scaleSetting(settings.mainSpeed, stepDown, "Main Speed: %4.2f\n", text);
        break;
    case GLUT_KEY_HOME: scaleSetting(settings.speed, stepUp, "Speed: %4.2f\n", text); break;
    case GLUT_KEY_END: scaleSetting(settings.speed, stepDown, "Speed: %4.2f\n", text); break;
    default: break;
    }
}

void releaseSpecialKey(int key, PointerInput& input) {
    input.arrowKeys &= ~arrowBit(key);
}

void recordPointer(PointerInput& input, int x, int y) {
    input.mouseMoved = 1;
    input.mouseDX = x - pointerRestX;
    input.mouseDY = y - pointerRestY;
}

void clickPointer(PointerInput& input, int button, int x, int y) {
    if (button == GLUT_LEFT_BUTTON) recordPointer(input, x, y);
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

void recentrePointerAndWalk(PointerInput& input, CameraPose& pose, float frameDelta) {
    if (!input.mouseMoved) return;
    input.mouseMoved = 0;
    input.recentrePending = 1;
    moveManualCamera(input, pose, frameDelta);
}
