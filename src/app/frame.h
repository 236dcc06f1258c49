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

// The window's new size: kept for the frame's projection and layout, and made the viewport.
void reshapeView(int width, int height);

// Counts this frame and, once state.nowSec reaches state.nextFpsSecond, closes the count into
// framesPerSecond, the frame-rate readout's number.
void countFrameRate(AppState& state);
