// Runs the program through a fixed script of frames and input on a synthetic clock, so that the
// OpenGL call streams of two builds can be recorded and compared.
#include <GL/freeglut.h>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

// The entry points GLUT calls, declared here rather than included so that this one driver also
// builds against earlier revisions, whose headers are laid out differently.
void startTyvok(int* argc, char** argv, unsigned seedBase);
void handleKey(unsigned char key, int x, int y);
void handleSpecialKey(int key, int x, int y);
void handleSpecialKeyUp(int key, int x, int y);
void handlePointerMotion(int x, int y);
void handleMouseButton(int button, int state, int x, int y);
void handleReshape(int width, int height);
void handleDisplay();

namespace {

int clockMs = 0;

// Draws `count` frames, `stepMs` apart on the program's clock.
void frames(int count, int stepMs = 40) {
    for (int i = 0; i < count; ++i) {
        clockMs += stepMs;
        handleDisplay();
    }
}

// Presses each key of `keys` with two frames after each.
void press(const std::string& keys) {
    for (char key : keys) {
        handleKey(static_cast<unsigned char>(key), 0, 0);
        frames(2);
    }
}

void waitForFullScreen() {
    auto full = [] {
        return glutGet(GLUT_WINDOW_WIDTH) == glutGet(GLUT_SCREEN_WIDTH) &&
               glutGet(GLUT_WINDOW_HEIGHT) == glutGet(GLUT_SCREEN_HEIGHT);
    };
    for (int i = 0; i < 400 && !full(); ++i)
        glutMainLoopEvent(), usleep(5000);
    for (int i = 0; i < 20; ++i)
        glutMainLoopEvent(), usleep(5000);
}

} // namespace

// GLUT's elapsed time is the script's clock; everything else GLUT answers itself.
extern "C" int glutGet(GLenum what) {
    static auto real = reinterpret_cast<int (*)(GLenum)>(dlsym(RTLD_NEXT, "glutGet"));
    return what == GLUT_ELAPSED_TIME ? clockMs : real(what);
}

int main(int argc, char** argv) {
    startTyvok(&argc, argv, 0);
    glutDisplayFunc([] {}); // frames come from the script alone
    waitForFullScreen();
    // From here on no window-system event is handled: the script is the only input.
    handleReshape(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
    frames(10);
    press("?/c");
    frames(3);
    press("cLlllllllllllllwWwiIiiioOo<<>>>tTsSuUpP ");
    frames(3);
    press(" -=_+()[]{},.nNz\x01");
    press("v");
    handlePointerMotion(480, 340);
    frames(2);
    handleMouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 430, 365);
    handleMouseButton(GLUT_RIGHT_BUTTON, GLUT_DOWN, 500, 300);
    frames(2);
    for (int key : {GLUT_KEY_UP, GLUT_KEY_LEFT, GLUT_KEY_DOWN, GLUT_KEY_RIGHT}) {
        handleSpecialKey(key, 0, 0);
        handlePointerMotion(455, 349);
        frames(3);
        handleSpecialKeyUp(key, 0, 0);
    }
    for (int key : {GLUT_KEY_PAGE_UP, GLUT_KEY_PAGE_DOWN, GLUT_KEY_HOME, GLUT_KEY_END, GLUT_KEY_F1})
        handleSpecialKey(key, 0, 0), frames(1);
    press("sfFs");
    handleReshape(800, 600);
    frames(3);
    handleReshape(0, 0);
    frames(1);
    handleReshape(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
    press("rlll");
    frames(20, 200); // past the fade-in and the title
    handleKey(27, 0, 0);
    frames(12, 200); // most of the way down the quit fade
    press("r");
    frames(5);
    return 0;
}
