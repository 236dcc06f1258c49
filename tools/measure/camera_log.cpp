// Loaded with LD_PRELOAD beside the swap counter: appends one line per buffer swap to
// $CAMERA_LOG, "<yaw> <pitch> <x> <z>", the camera of the frame swapped (degrees, positive
// turning right and down, and its place on the ground), read back at the frame's clear from the
// view transform with the camera distance $CAMERA_Z (the program's --camera-z, 1.5 unless
// given); "-" for a swap without a clear. Line for line with the swap log, so that a turn or a
// walk can be set against the program's own clock there.
#include "camera_from_view.h"

#include <EGL/egl.h>
#include <GL/glx.h>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>

namespace {

char line[96] = "-\n";

template <typename Function> Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

void logCamera() {
    static FILE* log = [] {
        const char* path = std::getenv("CAMERA_LOG");
        return path ? std::fopen(path, "ae") : nullptr;
    }();
    if (log) std::fputs(line, log), std::fflush(log);
    std::snprintf(line, sizeof line, "-\n");
}

} // namespace

extern "C" {

void glClear(GLbitfield mask) {
    static auto real = next<void (*)(GLbitfield)>("glClear");
    static const double cameraZ =
        std::getenv("CAMERA_Z") ? std::atof(std::getenv("CAMERA_Z")) : 1.5;
    double m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    const Camera c = cameraFromModelview(m, cameraZ);
    std::snprintf(line, sizeof line, "%.6f %.6f %.6f %.6f\n", c.yaw, c.pitch, c.x, c.z);
    real(mask);
}

void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    static auto real = next<void (*)(Display*, GLXDrawable)>("glXSwapBuffers");
    real(display, drawable);
    logCamera();
}

EGLBoolean eglSwapBuffers(EGLDisplay display, EGLSurface surface) {
    static auto real = next<EGLBoolean (*)(EGLDisplay, EGLSurface)>("eglSwapBuffers");
    const EGLBoolean swapped = real(display, surface);
    logCamera();
    return swapped;
}
}
