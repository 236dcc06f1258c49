// The body of every frame: clock, oscillators, fades, and every drawing step in order.
#pragma once

// Draws one frame at the time in app.nowMs; does not swap. Ends the process when the quit
// fade-out is complete.
void drawFrame();

// The clock steps of a frame: seconds, the capped frame time and the frame-rate count.
void advanceClock();

// The quit fade for the current time; below 0.1 the program ends.
float quitFadeLevel(float nowSec, int quitTime);

// The scene pass: the light when lighting is on, the camera step, then the gear cluster.
void drawScene();
