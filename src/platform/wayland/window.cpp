// The Wayland host's window: its surface in an xdg toplevel that libdecor frames, titled "Tyvok"
// with the desktop entry's app id, full screen or in a window.
#include "platform/wayland/window.h"

#include "controls/run_flags.h"

#include <cstdio>
#include <libdecor.h>

namespace {

Window& windowOf(void* data) {
    return *static_cast<Window*>(data);
}

void reportError(libdecor*, libdecor_error, const char* message) {
    std::fprintf(stderr, "tyvok: libdecor: %s\n", message);
}

} // namespace

Window::~Window() {
    if (frame) libdecor_frame_unref(frame);
    if (decorations) libdecor_unref(decorations);
}

bool Window::create(wl_display* display) {
    static libdecor_interface decorationsInterface{};
    decorationsInterface.error = reportError;
    decorations = libdecor_new(display, &decorationsInterface);
    // libdecor 0.1.1 crashes on full screen asked for before it has read the globals.
    if (!decorations || wl_display_roundtrip(display) < 0) return false;

    static libdecor_frame_interface frameInterface{};
    frameInterface.configure = configure;
    frameInterface.close = [](libdecor_frame*, void* data) {
        windowOf(data).surface.closed = true;
    };
    frameInterface.commit = [](libdecor_frame*, void* data) {
        wl_surface_commit(windowOf(data).surface.surface);
    };
    frameInterface.dismiss_popup = [](libdecor_frame*, const char*, void*) {};
    frame = libdecor_decorate(decorations, surface.surface, &frameInterface, this);
    if (!frame) return false;
    libdecor_frame_set_title(frame, "Tyvok");
    libdecor_frame_set_app_id(frame, "tyvok");
    return true;
}

bool Window::map(wl_display* display) {
    libdecor_frame_map(frame);
    while (!surface.hasSize() && !surface.closed)
        if (wl_display_dispatch(display) < 0) return false;
    return true;
}

void Window::setFullScreen(bool fullScreen) {
    if (fullScreen)
        libdecor_frame_set_fullscreen(frame, nullptr);
    else
        libdecor_frame_unset_fullscreen(frame);
}

// The size the compositor gives, or the windowed size where it leaves the size to the window.
void Window::configure(libdecor_frame* frame, libdecor_configuration* configuration, void* data) {
    int width = 0, height = 0;
    if (!libdecor_configuration_get_content_size(configuration, frame, &width, &height) ||
        width <= 0 || height <= 0)
        width = height = windowedSide;
    libdecor_state* state = libdecor_state_new(width, height);
    libdecor_frame_commit(frame, state, configuration);
    libdecor_state_free(state);
    windowOf(data).surface.configured(width, height);
}
