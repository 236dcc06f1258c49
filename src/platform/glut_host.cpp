// The host with a window of its own: GLUT opens it, delivers the input and runs the frames.
#include "platform/glut_host.h"

#include "anim/random.h"
#include "app/frame.h"
#include "app/globals.h"
#include "app/look.h"
#include "app/settings.h"
#include "app/shutdown.h"
#include "app/startup.h"
#include "controls/keyboard.h"
#include "controls/pointer.h"
#include "controls/special_keys.h"
#include "platform/callbacks.h"
#include "platform/frame_pacer.h"
#include "platform/host_events.h"
#include "platform/window_class.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <GL/glx.h>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

FramePacer pacer;
// The monotonic clock, in nanoseconds, when the last frame read GLUT's time: the pacer's waits
// are measured on it, so that only the display callback reads GLUT's time. GLUT's time now is at
// least the last frame's reading plus the whole milliseconds since then; an estimate from two
// readings in whole milliseconds could run a millisecond ahead and put a frame into a second
// that is already full.
std::int64_t lastFrameMonotonicNs = 0;
bool windowHidden = false;

// The text overlay lays text out in the window's current size, which GLUT reports.
void noteWindowSize() {
    textOverlay.currentWindowWidth = glutGet(GLUT_WINDOW_WIDTH);
    textOverlay.currentWindowHeight = glutGet(GLUT_WINDOW_HEIGHT);
}

// The r key: the settings, the oscillators and the random sequence start afresh.
void resetByKey() {
    seedRandomFromClock(app.nowMs);
    resetSettings();
    initOscillators(oscBank, oscSlotsInUse);
    textOverlay.showMessage("Reset");
    app.flags.clearPending = 1;
}

void enterWindow() {
    glutReshapeWindow(windowedSide, windowedSide);
    glutSetCursor(GLUT_CURSOR_LEFT_ARROW);
}

void enterFullScreen() {
    glutFullScreen();
    glutSetCursor(GLUT_CURSOR_NONE);
}

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

int (*readElapsedMs)() = [] { return glutGet(GLUT_ELAPSED_TIME); };

void readClock() {
    advanceProgramClock(static_cast<std::uint32_t>(readElapsedMs()));
}

const FrameHost glutFrameHost{glutWarpPointer};

void handleKey(unsigned char key, int, int) {
    noteWindowSize();
    KeyTargets targets{settings, app.flags, textOverlay, gear, app.nowSec};
    switch (pressKey(key, targets)) {
    case KeyAction::reset: resetByKey(); break;
    case KeyAction::enterWindow: enterWindow(); break;
    case KeyAction::enterFullScreen: enterFullScreen(); break;
    case KeyAction::none: break;
    }
}

void handleSpecialKey(int key, int, int) {
    noteWindowSize();
    pressSpecialKey(specialKey(key), app.input, settings, textOverlay);
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

void handleDisplay() {
    noteWindowSize();
    readClock();
    // Read after GLUT's time, so that the idle callback's estimate of the clock is never ahead.
    lastFrameMonotonicNs = monotonicNs();
    drawFrame(glutFrameHost);
    glutSwapBuffers();
    pacer.frameDrawn(app.nowMs);
}

void startGlutHost(int* argc, char** argv, unsigned seedBase, const HostOptions& options) {
    startClock(seedBase);
    pacer = FramePacer(options.maxFps);

    // glutInit places the window by -geometry; it reads it with the size written out, which
    // it would otherwise leave undefined.
    static std::string geometry;
    geometry = options.geometry;
    if (options.geometryArgument > 0) argv[options.geometryArgument] = geometry.data();
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
    // The window opens at its windowed size before going full screen: leaving full screen
    // restores the size the window had before, whatever size is asked for at that moment.
    glutInitWindowSize(options.windowWidth, options.windowHeight);
    glutCreateWindow("Tyvok");
    setWindowClass(glXGetCurrentDisplay(), glXGetCurrentDrawable());
    if (options.fullScreen)
        glutFullScreen();
    else
        app.flags.fullScreen = 0;

    glutKeyboardFunc(handleKey);
    glutSpecialFunc(handleSpecialKey);
    glutSpecialUpFunc(handleSpecialKeyUp);
    glutMouseFunc(handleMouseButton);
    glutPassiveMotionFunc(handlePointerMotion);
    glutMotionFunc(handlePointerMotion);
    glutReshapeFunc(handleReshape);
    glutWindowStatusFunc(handleWindowStatus);
    glutDisplayFunc(handleDisplay);
    glutIdleFunc(handleIdle);

    // Before the first reshape the window has the size it was created with.
    noteWindowSize();
    if (!initScene(true, options.imageFolder)) {
        std::printf("App cannot initialize.\n");
        std::exit(0);
    }
    applyLook(options.look);
    if (options.fullScreen) {
        glutWarpPointer(pointerRestX, pointerRestY);
        glutSetCursor(GLUT_CURSOR_NONE);
    } else {
        glutSetCursor(GLUT_CURSOR_LEFT_ARROW); // the pointer is left where it is, as after f
    }
}

void startTyvok(int* argc, char** argv, unsigned seedBase) {
    startGlutHost(argc, argv, seedBase,
                  hostOptions(parseCommandLine(*argc, argv, nullptr).options));
}

int runGlutHost(int* argc, char** argv, const HostOptions& options) {
    startGlutHost(argc, argv, steadyClockSeed(), options);
    catchStopSignals();
    glutMainLoop();
    return 0;
}
