// The GLUT functions the scripted run takes over: the elapsed time, the callback registrations
// and the main loop. Every other GLUT call goes straight to GLUT.
#include "scripted_run.h"

#include <GL/freeglut.h>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <initializer_list>

namespace scripted_run {

int clockMs = 0;
ProgramCallbacks program;

} // namespace scripted_run

namespace {

using namespace scripted_run;

bool scriptStarted = false;

template <typename Function> Function glutFunction(const char* name) {
    auto function = reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
    if (!function) {
        std::fprintf(stderr, "call-stream script: GLUT has no %s\n", name);
        std::exit(2);
    }
    return function;
}

// Keeps the program's callback for the script and, until the script starts, registers it with
// GLUT too, so that GLUT sees the same registrations as without the script.
template <typename Callback> void capture(const char* name, Callback& slot, Callback callback) {
    slot = callback;
    if (!scriptStarted) glutFunction<void (*)(Callback)>(name)(callback);
}

} // namespace

// GLUT needs a display callback, and without a reshape callback it would set the viewport itself.
void scripted_run::silenceWindowEvents() {
    scriptStarted = true;
    glutFunction<void (*)(void (*)())>("glutDisplayFunc")([] {});
    glutFunction<void (*)(void (*)(int, int))>("glutReshapeFunc")([](int, int) {});
    glutFunction<void (*)(void (*)(unsigned char, int, int))>("glutKeyboardFunc")(nullptr);
    for (const char* name : {"glutSpecialFunc", "glutSpecialUpFunc"})
        glutFunction<void (*)(void (*)(int, int, int))>(name)(nullptr);
    glutFunction<void (*)(void (*)(int, int, int, int))>("glutMouseFunc")(nullptr);
    for (const char* name : {"glutMotionFunc", "glutPassiveMotionFunc"})
        glutFunction<void (*)(void (*)(int, int))>(name)(nullptr);
    glutFunction<void (*)(void (*)())>("glutIdleFunc")(nullptr);
}

extern "C" {

int glutGet(GLenum what) {
    static const auto real = glutFunction<int (*)(GLenum)>("glutGet");
    return what == GLUT_ELAPSED_TIME ? clockMs : real(what);
}

void glutKeyboardFunc(void (*callback)(unsigned char, int, int)) {
    capture("glutKeyboardFunc", program.keyboard, callback);
}
void glutSpecialFunc(void (*callback)(int, int, int)) {
    capture("glutSpecialFunc", program.special, callback);
}
void glutSpecialUpFunc(void (*callback)(int, int, int)) {
    capture("glutSpecialUpFunc", program.specialUp, callback);
}
void glutMouseFunc(void (*callback)(int, int, int, int)) {
    capture("glutMouseFunc", program.mouse, callback);
}
void glutMotionFunc(void (*callback)(int, int)) {
    capture("glutMotionFunc", program.motion, callback);
}
void glutPassiveMotionFunc(void (*callback)(int, int)) {
    capture("glutPassiveMotionFunc", program.passiveMotion, callback);
}
void glutReshapeFunc(void (*callback)(int, int)) {
    capture("glutReshapeFunc", program.reshape, callback);
}
void glutDisplayFunc(void (*callback)()) {
    capture("glutDisplayFunc", program.display, callback);
}
void glutIdleFunc(void (*callback)()) {
    capture("glutIdleFunc", program.idle, callback);
}

void glutMainLoop() {
    runScript();
}

} // extern "C"
