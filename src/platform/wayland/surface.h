// A surface of the Wayland host's: its size in logical pixels, its buffer scale (the highest of
// the scales of the outputs it is on) and the compositor's frame callbacks.
#pragma once

#include "platform/wayland/connection.h"

#include <functional>
#include <vector>

class Surface {
  public:
    explicit Surface(Connection& c) : connection(c) {}
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    ~Surface();

    // The surface itself; false when the compositor cannot follow it over its outputs.
    bool create();

    // The size its role (a window, a layer) has been configured to: the next frame is drawn at
    // width() x height() logical pixels, at once.
    void configured(int width, int height);

    // The buffer scale again, after an output's scale has changed.
    void updateScale();

    // Asks for a frame callback: frameDue is set when the compositor is ready for the next
    // frame, which it is not while the surface cannot be seen.
    void requestFrame();

    int width() const { return logicalWidth; }
    int height() const { return logicalHeight; }
    int scale() const { return bufferScale; }
    bool hasSize() const { return logicalWidth > 0; }

    // Called when the size or the buffer scale has changed: the buffer is scale() times the
    // logical size.
    std::function<void()> resized;

    wl_surface* surface = nullptr;
    bool frameDue = true; // a frame may be drawn now
    bool closed = false;  // the compositor has asked the program to end, or shows it no more

  private:
    Connection& connection;
    wl_callback* frameCallback = nullptr;
    std::vector<wl_output*> entered; // the outputs the surface is on
    int logicalWidth = 0, logicalHeight = 0;
    int bufferScale = 1;
};
