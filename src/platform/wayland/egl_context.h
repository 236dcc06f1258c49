// The Wayland host's OpenGL: EGL on the Wayland display, a desktop OpenGL compatibility context
// (the program draws with OpenGL 1.1), and the EGL window of one surface.
#pragma once

#include <EGL/egl.h>
#include <wayland-client.h>

struct wl_egl_window;

class EglContext {
  public:
    EglContext() = default;
    EglContext(const EglContext&) = delete;
    EglContext& operator=(const EglContext&) = delete;
    ~EglContext();

    // EGL on `display`, with a double-buffered RGB configuration with depth and a compatibility
    // context of desktop OpenGL; false when EGL offers none.
    bool open(wl_display* display);

    // Draws on `surface` from now on, in a buffer of width x height pixels; the context is made
    // current, and swaps do not wait for the display. False when EGL refuses the surface.
    bool attach(wl_surface* surface, int width, int height);

    // The buffer's next size, from the next swap on.
    void resize(int width, int height);

    // Hands the frame drawn to the compositor (committing the surface).
    void swap();

  private:
    EGLDisplay display = EGL_NO_DISPLAY;
    EGLConfig config = nullptr;
    EGLContext context = EGL_NO_CONTEXT;
    wl_egl_window* window = nullptr;
    EGLSurface surface = EGL_NO_SURFACE;
};
