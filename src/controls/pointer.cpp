// Arrow keys, Page Up/Down, Home/End, the pointer and the manual camera that walks with them.
#include "controls/pointer.h"

#include "app/app_state.h"
#include "app/settings.h"
#include "controls/setting_steps.h"
#include "overlay/text_overlay.h"

#include <GL/freeglut.h>
#include <cmath>

namespace {

int arrowBit(int key) {
    switch (key) {
    case GLUT_KEY_LEFT: return arrowLeft;
    case GLUT_KEY_RIGHT: return arrowRight;
    case GLUT_KEY_UP: return arrowUp;
    case GLUT_KEY_DOWN: return arrowDown;
    default: return 0;
    }
}

void recordPointer(int x, int y) {
    app.mouseMoved = 1;
    app.mouseDX = x - pointerRestX;
    app.mouseDY = y - pointerRestY;
}

} // namespace

void handleSpecialKey(int key, int, int) {
    app.arrowKeys |= arrowBit(key);
    switch (key) {
    case GLUT_KEY_PAGE_UP: scaleSetting(settings.mainSpeed, stepUp, "Main Speed: %4.2f\n"); break;
    case GLUT_KEY_PAGE_DOWN:
        scaleSetting(settings.mainSpeed, stepDown, "Main Speed: %4.2f\n");
        break;
    case GLUT_KEY_HOME: scaleSetting(settings.speed, stepUp, "Speed: %4.2f\n"); break;
    case GLUT_KEY_END: scaleSetting(settings.speed, stepDown, "Speed: %4.2f\n"); break;
    default: break;
    }
}

void handleSpecialKeyUp(int key, int, int) {
    app.arrowKeys &= ~arrowBit(key);
}

void handlePointerMotion(int x, int y) {
    recordPointer(x, y);
}

void handleMouseButton(int which, int, int x, int y) {
    if (which == GLUT_LEFT_BUTTON) recordPointer(x, y);
}

void moveManualCamera() {
    if (app.arrowKeys == 0) return;
    double step = 2.0 * app.frameDelta;
    double a = app.camYaw / 57.2958;
    double s = std::sin(a) * step, c = std::cos(a) * step;
    if (app.arrowKeys & arrowLeft) app.camX -= c, app.camZ -= s;
    if (app.arrowKeys & arrowRight) app.camX += c, app.camZ += s;
    if (app.arrowKeys & arrowUp) app.camX += s, app.camZ -= c;
    if (app.arrowKeys & arrowDown) app.camX -= s, app.camZ += c;
}

void recentrePointerAndWalk() {
    if (!app.mouseMoved) return;
    app.mouseMoved = 0;
    glutWarpPointer(pointerRestX, pointerRestY);
    moveManualCamera();
}
