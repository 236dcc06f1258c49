// The GLUT callbacks: each hands the event to its layer with the state that layer acts on.
#include "app/callbacks.h"

#include "anim/random.h"
#include "app/frame.h"
#include "app/globals.h"
#include "app/settings.h"
#include "controls/keyboard.h"
#include "controls/pointer.h"

#include <GL/freeglut.h>
#include <GL/gl.h>

namespace {

// The r key: the settings, the oscillators and the random sequence start afresh.
void resetByKey() {
    seedRandomFromClock(app.nowMs);
    resetSettings();
    initOscillators(oscBank, oscSlotsInUse);
    textOverlay.showMessage("Reset");
    app.flags.clearPending = 1;
}

} // namespace

void handleKey(unsigned char key, int, int) {
    KeyTargets targets{settings, app.flags, textOverlay, gear, app.nowSec};
    if (pressKey(key, targets) == KeyAction::reset) resetByKey();
}

void handleSpecialKey(int key, int, int) {
    pressSpecialKey(key, app.input, settings, textOverlay);
}

void handleSpecialKeyUp(int key, int, int) {
    releaseSpecialKey(key, app.input);
}

void handlePointerMotion(int x, int y) {
    recordPointer(app.input, x, y);
}

void handleMouseButton(int button, int, int x, int y) {
    clickPointer(app.input, button, x, y);
}

void handleReshape(int width, int height) {
    app.windowWidth = width;
    app.windowHeight = height;
    glViewport(0, 0, width, height);
}

void handleIdle() {
    glutPostRedisplay();
}

void handleDisplay() {
    readClock();
    drawFrame();
    glutSwapBuffers();
}
