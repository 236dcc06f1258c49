// The Wayland host on a layer of the compositor's (layer-shell): its surface anchored to every
// edge of one output, under the windows as a wallpaper or over them as a screen saver.
#include "platform/wayland/layer_surface.h"

#include "wlr-layer-shell-unstable-v1-client-protocol.h"

namespace {

Surface& surfaceOf(void* data) {
    return *static_cast<Surface*>(data);
}

} // namespace

LayerSurface::~LayerSurface() {
    if (layerSurface) zwlr_layer_surface_v1_destroy(layerSurface);
}

bool LayerSurface::create(Connection& connection, Layer layer, wl_output* output) {
    static const zwlr_layer_surface_v1_listener listener{
        [](void* data, zwlr_layer_surface_v1* configured, std::uint32_t serial, std::uint32_t width,
           std::uint32_t height) {
            zwlr_layer_surface_v1_ack_configure(configured, serial);
            surfaceOf(data).configured(static_cast<int>(width), static_cast<int>(height));
        },
        [](void* data, zwlr_layer_surface_v1*) { surfaceOf(data).closed = true; },
    };
    const bool overlay = layer == Layer::overlay;
    layerSurface = zwlr_layer_shell_v1_get_layer_surface(
        connection.layerShell, surface.surface, output,
        overlay ? ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY : ZWLR_LAYER_SHELL_V1_LAYER_BACKGROUND,
        "tyvok");
    zwlr_layer_surface_v1_add_listener(layerSurface, &listener, &surface);
    zwlr_layer_surface_v1_set_anchor(
        layerSurface, ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
                          ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT);
    // The whole output, under any panel's zone, moving none.
    zwlr_layer_surface_v1_set_exclusive_zone(layerSurface, -1);
    zwlr_layer_surface_v1_set_keyboard_interactivity(
        layerSurface, overlay ? ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE
                              : ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE);
    if (!overlay) {
        // Clicks on the wallpaper go to the desktop.
        wl_region* nothing = wl_compositor_create_region(connection.compositor);
        wl_surface_set_input_region(surface.surface, nothing);
        wl_region_destroy(nothing);
    }
    wl_surface_commit(surface.surface);
    while (!surface.hasSize() && !surface.closed)
        if (wl_display_dispatch(connection.display) < 0) return false;
    return true;
}
