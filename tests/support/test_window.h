// The window tests' program in its real window, the pictures read back and the text and views
// recorded.
#pragma once

#include "app/globals.h"
#include "camera_from_view.h"
#include "platform/glut/glut_callbacks.h"
#include "text_quads.h"

#include <GL/freeglut.h>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

// Starts Tyvok as the executable does, with seed base 0, in `imageFolder` (the data folder
// unless given) and `options` on its command line, and waits until the window fills the screen;
// once per process. With `syntheticClockOnly` frames come only from renderFrameAt.
void startTestProgram(bool syntheticClockOnly = false, const char* imageFolder = nullptr,
                      const std::vector<const char*>& options = {});

// Runs GLUT's own loop, as glutMainLoop does, until `done` holds (true) or the deadline passes.
[[nodiscard]] bool runLoopUntil(const std::function<bool()>& done);

// Presses each of `keys` in turn, as the keyboard reports them.
void pressKeys(const char* keys);

// Draws one frame at `ms` on the program's clock and waits for the renderer to finish.
void renderFrameAt(int ms);

struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb; // rows bottom-up, as OpenGL reads them
    const unsigned char* at(int x, int y) const { return &rgb[3 * (y * width + x)]; }
    int litPixels() const;     // pixels that are not black
    size_t litColours() const; // the colours of those pixels
};

// Reads the back buffer: what the frame just drew.
Picture readPicture();

// The opaque pixels of the pointer's image in the middle of the window: 0 when it is hidden.
int visibleCursorPixels();

// Lines of text as drawn (text_quads.h) are equal where they show the same glyphs in the same
// places: spaces at either end only move the first glyph.
bool operator==(const TextLine& a, const TextLine& b);
std::ostream& operator<<(std::ostream& out, const TextLine& line);

// The line a key's message `text` shows at the message place.
TextLine messageLine(const std::string& text);

// The text that a frame drawn at `ms` on the program's clock shows.
std::vector<TextLine> textDrawnAt(int ms);

// How many OpenGL errors anything in the process has read with glGetError so far.
int glErrorsRead();

// A frame's camera as its view transform shows it, and the frame's time step.
struct View : Camera {
    float frameTime;
};
// Appends the view of each frame drawn from now on to `views`; nullptr stops.
void recordViews(std::vector<View>* views);
