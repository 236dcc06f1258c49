// The Wayland host's window: a surface in an xdg toplevel that libdecor frames, titled "Tyvok"
// with the desktop entry's app id, full screen or in a window, its buffer scale the highest of
// the outputs it is on.
#include "platform/wayland/window.h"

#include "controls/run_flags.h"

#include <algorithm>
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
    if (frameCallback) wl_callback_destroy(frameCallback);
    if (frame) libdecor_frame_unref(frame);
    if (surface) wl_surface_destroy(surface);
    if (decorations) libdecor_unref(decorations);
}

bool Window::create() {
    static libdecor_interface decorationsInterface{};
    decorationsInterface.error = reportError;
    decorations = libdecor_new(connection.display, &decorationsInterface);
    // libdecor 0.1.1 crashes on full screen asked for before it has read the globals.
    if (!decorations || wl_display_roundtrip(connection.display) < 0) return false;

    surface = wl_compositor_create_surface(connection.compositor);
    static const wl_surface_listener surfaceListener{
        [](void* data, wl_surface*, wl_output* output) {
            windowOf(data).entered.push_back(output);
            windowOf(data).updateScale();
        },
        [](void* data, wl_surface*, wl_output* output) {
            auto& on = windowOf(data).entered;
            on.erase(std::remove(on.begin(), on.end(), output), on.end());
            windowOf(data).updateScale();
        },
    };
    if (wl_surface_add_listener(surface, &surfaceListener, this) != 0) return false;

    static libdecor_frame_interface frameInterface{};
    frameInterface.configure = configure;
    frameInterface.close = [](libdecor_frame*, void* data) { windowOf(data).closed = true; };
    frameInterface.commit = [](libdecor_frame*, void* data) {
        wl_surface_commit(windowOf(data).surface);
    };
    frameInterface.dismiss_popup = [](libdecor_frame*, const char*, void*) {};
    frame = libdecor_decorate(decorations, surface, &frameInterface, this);
    if (!frame) return false;
    libdecor_frame_set_title(frame, "Tyvok");
    libdecor_frame_set_app_id(frame, "tyvok");
    return true;
}

bool Window::map() {
    libdecor_frame_map(frame);
    while (!configured && !closed)
        if (wl_display_dispatch(connection.display) < 0) return false;
    return true;
}

void Window::setFullScreen(bool fullScreen) {
    if (fullScreen)
        libdecor_frame_set_fullscreen(frame, nullptr);
    else
        libdecor_frame_unset_fullscreen(frame);
}

void Window::requestFrame() {
    static const wl_callback_listener listener{[](void* data, wl_callback* callback, uint32_t) {
        wl_callback_destroy(callback);
        windowOf(data).frameCallback = nullptr;
        windowOf(data).frameDue = true;
    }};
    frameDue = false;
    if (frameCallback) wl_callback_destroy(frameCallback); // a configure's frame came between
    frameCallback = wl_surface_frame(surface);
    wl_callback_add_listener(frameCallback, &listener, this);
}

void Window::updateScale() {
    int scale = 1;
    for (const wl_output* output : entered)
        if (const Output* known = connection.find(output)) scale = std::max(scale, known->scale);
    if (scale == bufferScale) return;
    bufferScale = scale;
    wl_surface_set_buffer_scale(surface, scale);
    if (configured && resized) resized();
}

// The size the compositor gives, or the windowed size where it leaves the size to the window.
void Window::configure(libdecor_frame* frame, libdecor_configuration* configuration, void* data) {
    Window& window = windowOf(data);
    int width = 0, height = 0;
    if (!libdecor_configuration_get_content_size(configuration, frame, &width, &height) ||
        width <= 0 || height <= 0)
        width = height = windowedSide;
    libdecor_state* state = libdecor_state_new(width, height);
    libdecor_frame_commit(frame, state, configuration);
    libdecor_state_free(state);
    window.logicalWidth = width;
    window.logicalHeight = height;
    window.configured = true;
    window.frameDue = true; // the new size is drawn at once
    if (window.resized) window.resized();
}
