// The shared runtime state: clock, fades, window size, the keys' flags, input and camera.
#pragma once

#include "anim/camera.h"
#include "controls/pointer.h"
#include "controls/run_flags.h"

#include <cstdint>

struct AppState {
    // Clock: milliseconds since the host's clock started (GLUT's elapsed time, or the monotonic
    // clock in an existing X window), in 64 bits so that it never wraps; the last 32-bit
    // reading of the host's clock it was advanced from; the same time in seconds.
    std::int64_t nowMs = 0;
    std::uint32_t lastElapsedMs = 0;
    double nowSec = 0;
    double prevSec = 0;
    float frameDelta = 0;

    // Frame-rate count.
    int framesThisSecond = 0;
    int framesPerSecond = 30;
    double nextFpsSecond = 1.0;

    float fadeLevel = 1.0f;

    int windowWidth = 0;
    int windowHeight = 0;

    RunFlags flags;
    PointerInput input;
    CameraPose pose;
    CameraPath path;
};
