// Opens the program's real window on the test display and reads pictures back from it; brings
// every window test the program's objects and callbacks, OpenGL, GoogleTest and the recorders of
// the text and views drawn.
#pragma once

#include "app/globals.h"
#include "platform/glut_callbacks.h"

#include <GL/freeglut.h>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

// How long any wait of the tests gives a condition before it counts as failed, in seconds
// (set once for the whole suite by the build: the CTest timeouts allow for it too).
constexpr int waitDeadlineSeconds = TYVOK_WAIT_SECONDS;

// Starts Tyvok as the executable does, on the test display, in `imageFolder` (the data folder
// unless given), with seed base 0 so that a run depends on the millisecond clock alone, and
// waits until the window fills the screen. Call once per test process; an exit in the middle
// of a test fails it, and so does a window that never fills the screen. With
// `syntheticClockOnly` the display callback draws nothing: frames come only from renderFrameAt.
// `options` follow the program's name on its command line.
void startTestProgram(bool syntheticClockOnly = false, const char* imageFolder = nullptr,
                      const std::vector<const char*>& options = {});

// Runs GLUT's own loop, as glutMainLoop does (GLUT's events and the frames due, then the idle
// callback), until `done` holds or the deadline has passed; says whether `done` held. Callers
// assert it.
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

// The opaque pixels of the pointer's image, as the X server shows it with the pointer moved
// into the middle of the program's window: 0 when the cursor is hidden there.
int visibleCursorPixels();

// Read back from what the program hands OpenGL (gl_record.cpp): one call's text on screen,
// where it starts, its glyphs' bottom edge in pixels below the window's top, their height, and
// the characters. Lines compare by what shows: spaces at either end only move the first glyph
// right, by the pen's advance, which a recorded line measures.
struct TextLine {
    int x = 0, y = 0, size = 0;
    std::string text;
    int advance = 0; // recorded lines only: the pen's step from one glyph to the next
    bool operator==(const TextLine& o) const;
};
std::ostream& operator<<(std::ostream& out, const TextLine& line);

// The line a key's message `text` shows at the message place.
TextLine messageLine(const std::string& text);

// Starts recording the text drawn from now on, forgetting what was recorded before.
void recordText();
// The text drawn since recordText, in the order drawn; recording goes on.
std::vector<TextLine> recordedText();
// The text that a frame drawn at `ms` on the program's clock shows.
std::vector<TextLine> textDrawnAt(int ms);

// How many OpenGL errors anything in the process has read with glGetError so far.
int glErrorsRead();

// A frame's camera as its view transform shows it: the yaw in degrees and the position on the
// ground, with the frame's time step on the program's clock.
struct View {
    double yaw, x, z;
    float frameTime;
};
// Appends the view of each frame drawn from now on to `views`; nullptr stops.
void recordViews(std::vector<View>* views);
