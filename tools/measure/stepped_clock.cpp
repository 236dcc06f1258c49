// Loaded with LD_PRELOAD into the real program, with the call-stream tool's monotonic clock: the
// program's clock steps 16 ms a frame, so that two runs draw the same frames at the same times in
// any host. Every reading that the executable makes of GLUT's elapsed time or of a monotonic
// clock is 16 ms times the buffer swaps so far, until it reaches $STEPPED_CLOCK_STOP_MS, where it
// stays: from then on every frame shows the picture at that time, for a screenshot at leisure.
#include "scripted_run.h"

#include <EGL/egl.h>
#include <GL/freeglut.h>
#include <GL/glx.h>
#include <algorithm>
#include <cstdlib>
#include <dlfcn.h>

int scripted_run::clockMs = 0;

namespace {

constexpr int frameMs = 16;

template <typename Function> Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

void frameSwapped() {
    static const int stopMs = [] {
        const char* stop = std::getenv("STEPPED_CLOCK_STOP_MS");
        return stop ? std::atoi(stop) : 1 << 30;
    }();
    scripted_run::clockMs = std::min(scripted_run::clockMs + frameMs, stopMs);
}

} // namespace

extern "C" int glutGet(GLenum query) {
    static const auto real = next<int (*)(GLenum)>("glutGet");
    return query == GLUT_ELAPSED_TIME ? scripted_run::clockMs : real(query);
}

extern "C" void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    static const auto real = next<void (*)(Display*, GLXDrawable)>("glXSwapBuffers");
    real(display, drawable);
    frameSwapped();
}

extern "C" EGLBoolean eglSwapBuffers(EGLDisplay display, EGLSurface surface) {
    static const auto real = next<EGLBoolean (*)(EGLDisplay, EGLSurface)>("eglSwapBuffers");
    const EGLBoolean swapped = real(display, surface);
    frameSwapped();
    return swapped;
}
