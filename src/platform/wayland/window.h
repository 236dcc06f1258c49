// The Wayland host's window: its surface in an xdg toplevel that libdecor frames, titled "Tyvok"
// with the desktop entry's app id, full screen or in a window.
#pragma once

#include "platform/wayland/surface.h"

struct libdecor;
struct libdecor_frame;
struct libdecor_configuration;

class Window {
  public:
    explicit Window(Surface& s) : surface(s) {}
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    ~Window();

    // The surface's frame, not yet shown. False when libdecor cannot frame it.
    bool create(wl_display* display);
    // Shows the window and waits for its first configure. False when the connection fails.
    bool map(wl_display* display);
    // Asks the compositor for full screen, or to leave it.
    void setFullScreen(bool fullScreen);

  private:
    static void configure(libdecor_frame* frame, libdecor_configuration* configuration, void* data);

    Surface& surface;
    libdecor* decorations = nullptr;
    libdecor_frame* frame = nullptr;
};
