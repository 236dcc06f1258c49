// The help screen: a heading and 28 lines listing the controls, over the running scene.
#pragma once

#include "overlay/text_overlay.h"

constexpr int helpLineCount = 28;
extern const char* const helpLines[helpLineCount];

// Where the heading and the lines start from the window's left edge, and their glyph heights.
constexpr short helpHeadingX = 20;
constexpr short helpLineX = 30;
constexpr float helpHeadingSize = 30;
constexpr float helpLineSize = 18;

// Where the help text stands in a window `windowHeight` pixels high: y of the heading, and of
// each line.
struct HelpLayout {
    short headingY;
    short lineY[helpLineCount];
};

HelpLayout computeHelpLayout(int windowHeight);

void drawHelpScreen(TextOverlay& text, int windowHeight);
