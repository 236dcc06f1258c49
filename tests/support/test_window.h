// Opens the program's real window on the test display and reads pictures back from it.
#pragma once

#include <functional>
#include <vector>

// Starts Tyvok as the executable does, on the test display, in the data folder, with seed base
// 0 so that a run depends on the millisecond clock alone, and waits until the window fills the
// screen. Call once per test process; an exit in the middle of a test fails it. With
// `syntheticClockOnly` the display callback draws nothing: frames come only from renderFrameAt.
void startTestProgram(bool syntheticClockOnly = false);

// Pumps GLUT's events without entering the main loop until `done` holds (at most two seconds).
void pumpEventsUntil(const std::function<bool()>& done);

// Draws one frame at `ms` on the program's clock and waits for the renderer to finish.
void renderFrameAt(int ms);

struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb; // rows bottom-up, as OpenGL reads them
    const unsigned char* at(int x, int y) const { return &rgb[3 * (y * width + x)]; }
};

// Reads the back buffer: what the frame just drew.
Picture readPicture();
