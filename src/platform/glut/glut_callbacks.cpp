// The GLUT host's callbacks: each window-system event handed to the program, and the frames.
#include "platform/glut/glut_callbacks.h"

#include "app/globals.h"
#include "app/key_press.h"
#include "app/shutdown.h"
#include "controls/special_keys.h"
#include "platform/frame_pacer.h"
#include "platform/host_events.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <cstdlib>

namespace {

FramePacer pacer;
// The monotonic clock, in nanoseconds, when the last frame read GLUT's time: the pacer's waits
// are measured on it, so that only the display callback reads GLUT's time. GLUT's time now is at
// least the last frame's reading plus the whole milliseconds since then; an estimate from two
// readings in whole milliseconds could run a millisecond ahead and put a frame into a second
// that is already full.
std::int64_t lastFrameMonotonicNs = 0;
bool windowHidden = false;

// GLUT's code of a special key as the key the controls know.
SpecialKey specialKey(int key) {
    switch (key) {
    case GLUT_KEY_LEFT: return SpecialKey::left;
    case GLUT_KEY_RIGHT: return SpecialKey::right;
    case GLUT_KEY_UP: return SpecialKey::up;
    case GLUT_KEY_DOWN: return SpecialKey::down;
    case GLUT_KEY_PAGE_UP: return SpecialKey::pageUp;
    case GLUT_KEY_PAGE_DOWN: return SpecialKey::pageDown;
    case GLUT_KEY_HOME: return SpecialKey::home;
    case GLUT_KEY_END: return SpecialKey::end;
    default: return SpecialKey::other;
    }
}

void endOnStopSignal() {
    if (const int signal = pendingStopSignal()) {
        releaseResources();
        endBySignal(signal);
    }
}

} // namespace

const FrameHost glutFrameHost{glutWarpPointer};

int (*readElapsedMs)() = [] { return glutGet(GLUT_ELAPSED_TIME); };

void readClock() {
    advanceProgramClock(static_cast<std::uint32_t>(readElapsedMs()));
}

void noteWindowSize() {
    textOverlay.currentWindowWidth = glutGet(GLUT_WINDOW_WIDTH);
    textOverlay.currentWindowHeight = glutGet(GLUT_WINDOW_HEIGHT);
}

void limitFrameRate(int maxFps) {
    pacer = FramePacer(maxFps);
}

void handleKey(unsigned char key, int, int) {
    noteWindowSize();
    switch (pressProgramKey(key)) {
    case KeyAction::enterWindow:
        glutReshapeWindow(windowedSide, windowedSide);
        glutSetCursor(GLUT_CURSOR_LEFT_ARROW);
        break;
    case KeyAction::enterFullScreen:
        glutFullScreen();
        glutSetCursor(GLUT_CURSOR_NONE);
        break;
    default: break;
    }
}

void handleSpecialKey(int key, int, int) {
    noteWindowSize();
    pressSpecialKey(specialKey(key), app.input, settings, textOverlay, app.nowSec);
}

void handleSpecialKeyUp(int key, int, int) {
    releaseSpecialKey(specialKey(key), app.input);
}

void handlePointerMotion(int x, int y) {
    recordPointer(app.input, x, y);
}

void handleMouseButton(int button, int, int x, int y) {
    clickPointer(app.input, button == GLUT_LEFT_BUTTON, x, y);
}

void handleReshape(int width, int height) {
    reshapeView(width, height);
    noteWindowSize();
}

// GLUT draws nothing while the window is iconified or covered; the idle callback then sleeps.
void handleWindowStatus(int state) {
    windowHidden = state == GLUT_HIDDEN || state == GLUT_FULLY_COVERED;
}

// Asks for the next frame once the frame limit allows it; while the window cannot be seen, sleeps
// until the window system reports something. Waits here, never in the display callback; a wait
// ends early for input or a stop signal, so that they are handled at once.
void handleIdle() {
    endOnStopSignal();
    std::int64_t waitMs = 0;
    if (windowHidden)
        waitMs = -1;
    else if (pacer.limited())
        waitMs = pacer.waitMs(app.nowMs + (monotonicNs() - lastFrameMonotonicNs) / 1000000);
    if (waitMs == 0)
        glutPostRedisplay();
    else if (XPending(glXGetCurrentDisplay()) == 0)
        waitForInput(ConnectionNumber(glXGetCurrentDisplay()), waitMs);
}

// One frame; the frame that completes the quit fade ends the program at once, unswapped.
void handleDisplay() {
    noteWindowSize();
    readClock();
    // Read after GLUT's time, so that the idle callback's estimate of the clock is never ahead.
    lastFrameMonotonicNs = monotonicNs();
    if (drawFrame(glutFrameHost) == FrameEnd::quit) {
        releaseResources();
        std::exit(0);
    }
    glutSwapBuffers();
    pacer.frameDrawn(app.nowMs);
}
