// The shared runtime state: clock, fades, window size, flags, input and camera.
#pragma once

#include <cstdint>

struct AppState {
    // Clock: milliseconds since GLUT started, in 64 bits so that it never wraps; the last
    // 32-bit reading of GLUT's elapsed time it was advanced from; the same time in seconds.
    std::int64_t nowMs = 0;
    std::uint32_t lastElapsedMs = 0;
    double nowSec = 0;
    double prevSec = 0;
    float frameDelta = 0;

    // Frame-rate count.
    int framesThisSecond = 0;
    int framesPerSecond = 30;
    double nextFpsSecond = 1.0;

    // Fades and quitting. Escape sets quitting; quitTime is the whole second it was pressed.
    float fadeLevel = 1.0f;
    int quitTime = 0;
    int quitting = 0;

    int windowWidth = 0;
    int windowHeight = 0;

    int fullScreen = 1;
    int paused = 0;
    int clearPending = 0;
    int helpVisible = 0;
    int letterboxStep = 0;
    int hashCounter = 0;

    // Input recorded by the special-key and pointer callbacks.
    int arrowKeys = 0; // 1 Left, 2 Right, 4 Up, 8 Down
    int mouseDX = 0;
    int mouseDY = 0;
    int mouseMoved = 0;

    // Camera pose and the automatic path.
    double camX = 0, camY = 0, camZ = 0;
    double camPitch = 0, camYaw = 0;
    int pathFrom = 0;
    int pathTo = 1;
    float pathProgress = 0;

    int gearTeeth = 0;
};

extern AppState app;

// Arrow-key bits of AppState::arrowKeys.
enum ArrowBit { arrowLeft = 1, arrowRight = 2, arrowUp = 4, arrowDown = 8 };

// The size of the window when it is not full screen.
constexpr int windowedSide = 512;

// The fixed point, in window pixels, from which pointer offsets are measured.
constexpr int pointerRestX = 450;
constexpr int pointerRestY = 350;
