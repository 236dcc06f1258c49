// A surface of the Wayland host's: its size in logical pixels, its buffer scale (the highest of
// the scales of the outputs it is on) and the compositor's frame callbacks.
#include "platform/wayland/surface.h"

#include <algorithm>

namespace {

Surface& surfaceOf(void* data) {
    return *static_cast<Surface*>(data);
}

} // namespace

Surface::~Surface() {
    if (frameCallback) wl_callback_destroy(frameCallback);
    if (surface) wl_surface_destroy(surface);
}

bool Surface::create() {
    // The outputs' scales are re-read on enter and leave, and on every output's done event
    // (updateScale), since a scale's change sends no enter.
    static const wl_surface_listener listener{
        [](void* data, wl_surface*, wl_output* output) {
            surfaceOf(data).entered.push_back(output);
            surfaceOf(data).updateScale();
        },
        [](void* data, wl_surface*, wl_output* output) {
            auto& on = surfaceOf(data).entered;
            on.erase(std::remove(on.begin(), on.end(), output), on.end());
            surfaceOf(data).updateScale();
        },
    };
    surface = wl_compositor_create_surface(connection.compositor);
    return surface && wl_surface_add_listener(surface, &listener, this) == 0;
}

void Surface::configured(int width, int height) {
    logicalWidth = width;
    logicalHeight = height;
    frameDue = true;
    if (resized) resized();
}

void Surface::updateScale() {
    int scale = 1;
    for (const wl_output* output : entered)
        if (const Output* known = connection.find(output)) scale = std::max(scale, known->scale);
    if (scale == bufferScale) return;
    bufferScale = scale;
    wl_surface_set_buffer_scale(surface, scale);
    if (hasSize() && resized) resized();
}

void Surface::requestFrame() {
    static const wl_callback_listener listener{[](void* data, wl_callback* callback, uint32_t) {
        wl_callback_destroy(callback);
        surfaceOf(data).frameCallback = nullptr;
        surfaceOf(data).frameDue = true;
    }};
    frameDue = false;
    if (frameCallback) wl_callback_destroy(frameCallback); // a configure's frame came between
    frameCallback = wl_surface_frame(surface);
    wl_callback_add_listener(frameCallback, &listener, this);
}
