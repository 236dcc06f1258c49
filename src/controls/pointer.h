// The pointer, and the manual camera that turns with it and walks by the held arrow keys.
//
// The loop, once a report has come in manual mode: each frame turns by the last report's offset
// from the rest point (lookWithPointer, before the view transform), then takes the report, warps
// the pointer back to the rest point and walks (recentrePointerAndWalk, in the scene pass). The
// window system reports the warp back at the rest point, which sets mouseMoved again: the camera
// walks on every frame and turns only by what the user moved between two frames.
#pragma once

#include "anim/camera.h"

// What the special-key and pointer callbacks record for the frame to consume.
struct PointerInput {
    int arrowKeys = 0; // ArrowBit flags of the held arrow keys
    int mouseDX = 0;   // the last pointer report's offset from the rest point
    int mouseDY = 0;
    int mouseMoved = 0; // a report has come since the pointer was last recentred
};

enum ArrowBit { arrowLeft = 1, arrowRight = 2, arrowUp = 4, arrowDown = 8 };

// The fixed point, in window pixels, from which pointer offsets are measured.
constexpr int pointerRestX = 450;
constexpr int pointerRestY = 350;

// A pointer report at window position (x, y); a click counts only for the left button.
void recordPointer(PointerInput& input, int x, int y);
void clickPointer(PointerInput& input, bool leftButton, int x, int y);

// Start-up's warp to the rest point, taken as the report that the window system does not send
// for a window not yet shown.
void reportPointerAtRest(PointerInput& input);

// Mouse look: turns by 0.1 degree per pixel of the last report's offset.
void lookWithPointer(const PointerInput& input, CameraPose& pose);

// Walks the camera in the horizontal plane along its yaw heading by the held arrow keys.
void moveManualCamera(const PointerInput& input, CameraPose& pose, float frameDelta);

// Puts the pointer at window position (x, y); the window system reports it back as a pointer
// report there. The host provides it.
using WarpPointer = void (*)(int x, int y);

// The manual camera's step of the scene pass: once a pointer report has arrived, takes it, puts
// the pointer back at the rest point and walks.
void recentrePointerAndWalk(PointerInput& input, CameraPose& pose, float frameDelta,
                            WarpPointer warpPointer);
