// What the program hands OpenGL, read back as a user sees it: the text it draws, read from the
// font's quads, the view transform of each frame and the OpenGL errors it reads.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// One call's text on screen: where it starts, its glyphs' bottom edge in pixels below the
// window's top, their height, and the characters. Lines compare by what shows: spaces at either
// end only move the first glyph right, by the pen's advance, which a recorded line measures.
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
