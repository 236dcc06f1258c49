// An ordinary EGL client for the measuring tools' own test: egl_window W H opens a Wayland window
// ("egl_window") of W x H, or of the size the compositor configures, and fills it with green,
// one desktop OpenGL frame swapped through eglSwapBuffers at each of the compositor's frames,
// until it is closed or killed.
#include "xdg-shell-client-protocol.h"

#include <EGL/egl.h>
#include <GL/gl.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <wayland-egl.h>

namespace {

wl_compositor* compositor = nullptr;
xdg_wm_base* shell = nullptr;
int width = 0, height = 0;
bool running = true;

void addGlobal(void*, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    if (std::strcmp(interface, wl_compositor_interface.name) == 0)
        compositor = static_cast<wl_compositor*>(
            wl_registry_bind(registry, name, &wl_compositor_interface, 1));
    if (std::strcmp(interface, xdg_wm_base_interface.name) == 0)
        shell =
            static_cast<xdg_wm_base*>(wl_registry_bind(registry, name, &xdg_wm_base_interface, 1));
}
const wl_registry_listener registryListener = {addGlobal, [](void*, wl_registry*, uint32_t) {}};
const xdg_wm_base_listener shellListener = {
    [](void*, xdg_wm_base* base, uint32_t serial) { xdg_wm_base_pong(base, serial); }};
const xdg_surface_listener surfaceListener = {[](void*, xdg_surface* surface, uint32_t serial) {
    xdg_surface_ack_configure(surface, serial);
}};
const xdg_toplevel_listener toplevelListener = {
    [](void*, xdg_toplevel*, int32_t w, int32_t h, wl_array*) {
        if (w > 0 && h > 0) width = w, height = h;
    },
    [](void*, xdg_toplevel*) { running = false; }, nullptr, nullptr}; // not sent at version 1

} // namespace

int main(int argc, char** argv) {
    wl_display* display = wl_display_connect(nullptr);
    if (argc != 3 || !display) return std::fputs("usage: egl_window W H (on Wayland)\n", stderr), 2;
    width = std::atoi(argv[1]), height = std::atoi(argv[2]);
    wl_registry_add_listener(wl_display_get_registry(display), &registryListener, nullptr);
    wl_display_roundtrip(display);
    if (!compositor || !shell) return std::fputs("egl_window: no xdg-shell\n", stderr), 1;
    xdg_wm_base_add_listener(shell, &shellListener, nullptr);
    wl_surface* surface = wl_compositor_create_surface(compositor);
    xdg_surface* frame = xdg_wm_base_get_xdg_surface(shell, surface);
    xdg_surface_add_listener(frame, &surfaceListener, nullptr);
    xdg_toplevel* toplevel = xdg_surface_get_toplevel(frame);
    xdg_toplevel_add_listener(toplevel, &toplevelListener, nullptr);
    xdg_toplevel_set_app_id(toplevel, "egl_window");
    wl_surface_commit(surface);
    wl_display_roundtrip(display); // the first configure
    wl_egl_window* window = wl_egl_window_create(surface, width, height);
    EGLDisplay egl = eglGetDisplay(reinterpret_cast<EGLNativeDisplayType>(display));
    const EGLint attributes[] = {EGL_SURFACE_TYPE, EGL_WINDOW_BIT, EGL_RENDERABLE_TYPE,
                                 EGL_OPENGL_BIT, EGL_NONE};
    EGLConfig config = nullptr;
    EGLint configs = 0;
    if (!eglInitialize(egl, nullptr, nullptr) || !eglBindAPI(EGL_OPENGL_API) ||
        !eglChooseConfig(egl, attributes, &config, 1, &configs) || configs < 1)
        return std::fputs("egl_window: no desktop OpenGL through EGL\n", stderr), 1;
    EGLSurface drawable =
        eglCreateWindowSurface(egl, config, reinterpret_cast<EGLNativeWindowType>(window), nullptr);
    eglMakeCurrent(egl, drawable, drawable, eglCreateContext(egl, config, EGL_NO_CONTEXT, nullptr));
    eglSwapInterval(egl, 1); // each swap waits for the compositor's frame: no busy loop
    while (running && wl_display_dispatch_pending(display) >= 0) {
        wl_egl_window_resize(window, width, height, 0, 0);
        glViewport(0, 0, width, height);
        glClearColor(0, 1, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        if (!eglSwapBuffers(egl, drawable)) return 1;
    }
    return 0;
}
