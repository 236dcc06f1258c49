// The special keys: the arrows held for the manual camera, Page Up/Down and Home/End for speeds.
#include "controls/special_keys.h"

#include "controls/setting_steps.h"

#include <GL/freeglut.h>

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
