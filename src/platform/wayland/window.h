// The Wayland host's window: a surface in an xdg toplevel that libdecor frames, titled "Tyvok"
// with the desktop entry's app id, full screen or in a window, its buffer scale the highest of
// the outputs it is on.
#pragma once

#include "platform/wayland/connection.h"

#include <functional>
#include <vector>

struct libdecor;
struct libdecor_frame;

class Window {
  public:
    explicit Window(Connection& c) : connection(c) {}
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    ~Window();

    // The surface and its frame, not yet shown. False when libdecor cannot frame it.
    bool create();
    // Shows the window and waits for its first configure. False when the connection fails.
    bool map();
    // Asks the compositor for full screen, or to leave it.
    void setFullScreen(bool fullScreen);

    // Asks for a frame callback: frameDue is set when the compositor is ready for the next
    // frame, which it is not while the window cannot be seen.
    void requestFrame();

    // Called when the size or the buffer scale has changed: the next frame is drawn at
    // width() x height() logical pixels, in a buffer scale() times that.
    std::function<void()> resized;

    int width() const { return logicalWidth; }
    int height() const { return logicalHeight; }
    int scale() const { return bufferScale; }

    // The buffer scale again, after an output's scale has changed.
    void updateScale();

    wl_surface* surface = nullptr;
    bool frameDue = true; // a frame may be drawn now
    bool closed = false;  // the compositor asked the window to close

  private:
    static void configure(libdecor_frame* frame, struct libdecor_configuration* configuration,
                          void* data);

    Connection& connection;
    libdecor* decorations = nullptr;
    libdecor_frame* frame = nullptr;
    wl_callback* frameCallback = nullptr;
    std::vector<wl_output*> entered; // the outputs the surface is on
    int logicalWidth = 0, logicalHeight = 0;
    int bufferScale = 1;
    bool configured = false;
};
