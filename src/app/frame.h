// The body of every frame: clock, oscillators, fades, and every drawing step in order.
#pragma once

#include "app/app_state.h"

// Draws one frame at the time in app.nowMs; does not swap. Ends the process when the quit
// fade-out is complete.
void drawFrame();

// GLUT's elapsed time in milliseconds, an int that wraps after 2^32 ms (and turns negative
// after 2^31 ms). Reads glutGet(GLUT_ELAPSED_TIME) unless replaced.
extern int (*readElapsedMs)();

// Advances app.nowMs by the time since the last reading, in unsigned 32-bit arithmetic, so
// that it keeps counting forward across the reading's wrap. Called once a frame, before
// drawFrame.
void readClock();

// The clock steps of a frame: seconds and the capped frame time.
void advanceClock();

// Counts this frame and, once state.nowSec reaches state.nextFpsSecond, closes the count into
// framesPerSecond, the frame-rate readout's number.
void countFrameRate(AppState& state);

// The quit fade for the current time; below 0.1 the program ends.
float quitFadeLevel(double nowSec, int quitTime);

// The scene pass: the light when lighting is on, the camera step, then the gear cluster.
void drawScene();
