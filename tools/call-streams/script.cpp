// The scripted run that replaces GLUT's main loop: frames on the synthetic clock, every key
// command, the arrows, pointer moves and clicks, reshapes, Escape and a reset.
#include "scripted_run.h"

#include "full_screen_wait.h"

#include <GL/freeglut.h>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>

namespace {

using namespace scripted_run;

// Draws `count` frames, `stepMs` apart on the script's clock, through the program's own display
// callback (which reads the clock, draws and swaps).
void frames(int count, int stepMs = 40) {
    for (int i = 0; i < count; ++i) {
        clockMs += stepMs;
        program.display();
    }
}

// Presses each key of `keys` with two frames after each.
void press(const std::string& keys) {
    for (char key : keys) {
        program.keyboard(static_cast<unsigned char>(key), 0, 0);
        frames(2);
    }
}

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "call-stream script: %s\n", what);
    std::exit(3);
}

} // namespace

[[noreturn]] void scripted_run::runScript() {
    if (!program.display || !program.keyboard || !program.special || !program.specialUp ||
        !program.mouse || !program.passiveMotion || !program.reshape)
        fail("the program did not register every callback the script drives");
    silenceWindowEvents();
    if (!waitForFullScreen(
            [] { return glutGet(GLUT_WINDOW_WIDTH) * glutGet(GLUT_WINDOW_HEIGHT); })) {
        std::fprintf(stderr, "call-stream script: after %d s, window %d x %d, screen %d x %d\n",
                     waitDeadlineSeconds, glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT),
                     glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
        fail("the window did not reach full screen in time");
    }

    program.reshape(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
    frames(10);
    press("?/c");
    frames(3);
    press("cLlllllllllllllwWwiIiiioOo<<>>>tTsSuUpP ");
    frames(3);
    press(" -=_+()[]{},.nNz\x01");
    press("v");
    program.passiveMotion(480, 340);
    frames(2);
    program.mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 430, 365);
    program.mouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 500, 300);
    frames(2);
    for (int key : {GLUT_KEY_UP, GLUT_KEY_LEFT, GLUT_KEY_DOWN, GLUT_KEY_RIGHT}) {
        program.special(key, 0, 0);
        program.passiveMotion(455, 349);
        frames(3);
        program.specialUp(key, 0, 0);
    }
    for (int key : {GLUT_KEY_PAGE_UP, GLUT_KEY_PAGE_DOWN, GLUT_KEY_HOME, GLUT_KEY_END, GLUT_KEY_F1})
        program.special(key, 0, 0), frames(1);
    press("sfFs");
    program.reshape(800, 600);
    frames(3);
    program.reshape(0, 0);
    frames(1);
    program.reshape(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
    press("rlll");
    frames(20, 200); // past the fade-in and the title
    program.keyboard(27, 0, 0);
    frames(12, 200); // most of the way down the quit fade
    press("r");
    frames(5);
    std::exit(0);
}
