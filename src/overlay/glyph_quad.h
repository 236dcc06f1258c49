// Where one character of bitmap-font text lands on screen and in the font sheet.
#pragma once

struct GlyphQuad {
    bool drawn;           // false for a space, which only advances the pen
    float x0, y0, x1, y1; // window pixels, origin at the bottom-left corner
    float s0, t0, s1, t1; // font-sheet texture coordinates
    short nextPenX;       // the pen after the advance
};

// The quad of byte `c` with the pen at penX and the glyphs' bottom edge at baseY.
GlyphQuad glyphQuad(unsigned char c, short penX, short baseY, float size);
