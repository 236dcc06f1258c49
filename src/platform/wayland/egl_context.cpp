// The Wayland host's OpenGL: EGL on the Wayland display, a desktop OpenGL compatibility context
// (the program draws with OpenGL 1.1), and the EGL window of one surface.
#include "platform/wayland/egl_context.h"

#include <EGL/eglext.h>
#include <wayland-egl.h>

namespace {

// RGB of 8 bits each with a depth buffer, as the GLUT host asks of GLX; no alpha, so that the
// compositor shows the picture opaque whatever alpha the text's blending leaves in it.
const EGLint configAttributes[] = {
    EGL_SURFACE_TYPE,
    EGL_WINDOW_BIT,
    EGL_RENDERABLE_TYPE,
    EGL_OPENGL_BIT,
    EGL_RED_SIZE,
    8,
    EGL_GREEN_SIZE,
    8,
    EGL_BLUE_SIZE,
    8,
    EGL_DEPTH_SIZE,
    24,
    EGL_NONE,
};
const EGLint contextAttributes[] = {
    EGL_CONTEXT_OPENGL_PROFILE_MASK,
    EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT,
    EGL_NONE,
};
constexpr EGLint configsLooked = 64;

} // namespace

EglContext::~EglContext() {
    if (display == EGL_NO_DISPLAY) return;
    eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    if (surface != EGL_NO_SURFACE) eglDestroySurface(display, surface);
    if (window) wl_egl_window_destroy(window);
    if (context != EGL_NO_CONTEXT) eglDestroyContext(display, context);
    eglTerminate(display);
}

bool EglContext::open(wl_display* wlDisplay) {
    display = eglGetPlatformDisplay(EGL_PLATFORM_WAYLAND_KHR, wlDisplay, nullptr);
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr) ||
        !eglBindAPI(EGL_OPENGL_API))
        return false;
    EGLConfig configs[configsLooked];
    EGLint count = 0;
    if (!eglChooseConfig(display, configAttributes, configs, configsLooked, &count) || count < 1)
        return false;
    // EGL lists deeper colours first (10 bits): the first of 8 bits without alpha, as X's
    // visuals have it, or else the best.
    config = configs[0];
    const auto size = [this](EGLConfig candidate, EGLint attribute) {
        EGLint value = -1;
        eglGetConfigAttrib(display, candidate, attribute, &value);
        return value;
    };
    for (EGLint i = 0; i < count; ++i) {
        if (size(configs[i], EGL_RED_SIZE) == 8 && size(configs[i], EGL_GREEN_SIZE) == 8 &&
            size(configs[i], EGL_BLUE_SIZE) == 8 && size(configs[i], EGL_ALPHA_SIZE) == 0) {
            config = configs[i];
            break;
        }
    }
    context = eglCreateContext(display, config, EGL_NO_CONTEXT, contextAttributes);
    return context != EGL_NO_CONTEXT;
}

bool EglContext::attach(wl_surface* wlSurface, int width, int height) {
    window = wl_egl_window_create(wlSurface, width, height);
    if (!window) return false;
    surface = eglCreatePlatformWindowSurface(display, config, window, nullptr);
    return surface != EGL_NO_SURFACE && eglMakeCurrent(display, surface, surface, context) &&
           eglSwapInterval(display, 0);
}

void EglContext::resize(int width, int height) {
    wl_egl_window_resize(window, width, height, 0, 0);
}

void EglContext::swap() {
    eglSwapBuffers(display, surface);
}
