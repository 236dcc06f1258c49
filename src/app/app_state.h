// The shared runtime state: clock, fades, window size, the keys' flags, input and camera.
#pragma once

#include "anim/camera.h"
#include "controls/pointer.h"
#include "controls/run_flags.h"

struct AppState {
    // Clock, in milliseconds since start-up and in seconds.
    int nowMs = 0;
    float nowSec = 0;
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
