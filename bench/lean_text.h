// Bitmap-font text drawn as one array of quads under one state set-up: the benchmark's limit.
#pragma once

#include <vector>

struct TextLine {
    const char* text;
    short x, y; // pixels from the window's left and top edges, as the text overlay takes them
    float size;
};

// Draws every glyph of `lines` in one glDrawArrays call, with the state and the glyph quads
// that the text overlay uses for each line; leaves the state as the overlay does.
void drawLeanText(const std::vector<TextLine>& lines);
