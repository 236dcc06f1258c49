// The Wayland host on a layer of the compositor's (layer-shell): its surface anchored to every
// edge of one output, under the windows as a wallpaper or over them as a screen saver.
#pragma once

#include "platform/command_line.h"
#include "platform/wayland/surface.h"

struct zwlr_layer_surface_v1;

class LayerSurface {
  public:
    explicit LayerSurface(Surface& s) : surface(s) {}
    LayerSurface(const LayerSurface&) = delete;
    LayerSurface& operator=(const LayerSurface&) = delete;
    ~LayerSurface();

    // Puts the surface on `layer` of `output` (nullptr: the compositor chooses), covering it
    // whole under any panel, and waits for the first configure. On the background no input
    // reaches it; on the overlay it takes the keyboard. False when the connection fails.
    bool create(Connection& connection, Layer layer, wl_output* output);

  private:
    Surface& surface;
    zwlr_layer_surface_v1* layerSurface = nullptr;
};
