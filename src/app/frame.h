// The body of every frame: clock, oscillators, fades, and every drawing step in order.
#pragma once

#include "app/app_state.h"
#include "controls/pointer.h"

#include <cstdint>

// What the frame asks of the host that runs it, in the middle of drawing.
struct FrameHost {
    WarpPointer warpPointer; // the manual camera's recentring
};

// Draws one frame at the time in app.nowMs; does not swap. Ends the process when the quit
// fade-out is complete.
void drawFrame(const FrameHost& host);

// Advances app.nowMs by the time since the last reading of the host's millisecond clock (taken
// from app.lastElapsedMs), in unsigned 32-bit arithmetic, so that it keeps counting forward
// across the reading's wrap. Called once a frame, before drawFrame.
void advanceProgramClock(std::uint32_t reading);

// The window's new size: kept for the frame's projection and layout, and made the viewport.
void reshapeView(int width, int height);

// Counts this frame and, once state.nowSec reaches state.nextFpsSecond, closes the count into
// framesPerSecond, the frame-rate readout's number.
void countFrameRate(AppState& state);

// The scene pass: the light when lighting is on, the camera step, then the gear cluster.
void drawScene(const FrameHost& host);
