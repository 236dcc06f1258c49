// The text a program draws, read back from the font's quads: each textured quad drawn between
// glBegin(GL_QUADS) and glEnd is the font sheet's cell under it, placed in window pixels by
// OpenGL's matrices and viewport at glBegin. Linked into the window tests and preloaded into the
// real program (text_log.cpp), it defines glPushAttrib, glBegin, glTexCoord2f, glVertex2f and
// glEnd for the whole process.
#pragma once

#include <string>
#include <vector>

// One call's text as drawn: its start, its glyphs' bottom edge below the window's top, their
// height, the characters (with the spaces that the pen's gaps hold), and the pen's step from one
// glyph to the next.
struct TextLine {
    int x = 0, y = 0, size = 0;
    std::string text;
    int advance = 0;
};

// Starts collecting the font's quads, forgetting those collected before.
void collectTextQuads();
// The text that the quads collected since then show, line by line in the order drawn.
std::vector<TextLine> collectedText();
