// What the program hands OpenGL, read back as a user sees it: the text it draws, decoded from
// the font's quads, the view transform of each frame and the OpenGL errors it reads.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// One run of text on screen: the first visible glyph's left edge, the glyphs' bottom edge in
// pixels below the window's top, their height, and the characters from the first visible one
// to the last, with the spaces between them.
struct TextLine {
    int x = 0, y = 0, size = 0;
    std::string text;
    bool operator==(const TextLine& o) const {
        return x == o.x && y == o.y && size == o.size && text == o.text;
    }
};
std::ostream& operator<<(std::ostream& out, const TextLine& line);

// The line that `text` drawn at (x, y) with `size` shows: leading spaces move the first visible
// glyph right by one advance each, trailing spaces show nothing.
TextLine visibleLine(const std::string& text, int x, int y, int size);
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
