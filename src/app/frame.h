// One frame: the program's state updated for the clock, then every drawing step in order.
#pragma once

#include "app/app_state.h"
#include "controls/pointer.h"

#include <cstdint>

// What the frame asks of the host that runs it, in the middle of drawing.
struct FrameHost {
    WarpPointer warpPointer; // the manual camera's recentring
};

// How a frame ends: drawn, to be swapped; or the quit fade-out complete, where the program ends
// at once, without a swap (the host releases the resources and exits with status 0).
enum class FrameEnd { drawn, quit };

// Updates the program for the time in app.nowMs and draws one frame; does not swap.
[[nodiscard]] FrameEnd drawFrame(const FrameHost& host);

// Advances app.nowMs by the time since the last reading of the host's millisecond clock (taken
// from app.lastElapsedMs), in unsigned 32-bit arithmetic, so that it keeps counting forward
// across the reading's wrap. Called once a frame, before drawFrame.
void advanceProgramClock(std::uint32_t reading);

// The window's new size in pixels of its buffer: kept for the frame's projection and layout, and
// made the viewport.
void reshapeView(int width, int height);

// The text scale that the host decides, 1 or more: the text overlay lays its text out in a
// logical window of the buffer's size divided by `scale` (truncated to whole logical pixels) and
// draws it `scale` times larger; the picture keeps the whole buffer. Every host calls it
// before initScene, and again, with its OpenGL context current, whenever the scale changes.
void setTextScale(double scale);

// Counts this frame and, once state.nowSec reaches state.nextFpsSecond, closes the count into
// framesPerSecond, the frame-rate readout's number.
void countFrameRate(AppState& state);
