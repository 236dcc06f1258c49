// The help screen: a heading and 28 lines listing the controls, over the running scene.
#pragma once

#include "overlay/text_overlay.h"

constexpr int helpLineCount = 28;
extern const char* const helpLines[helpLineCount];

// Where the help text stands in a window `windowHeight` pixels high: y of the heading, and of
// each line (x 20 for the heading, 30 for the lines).
struct HelpLayout {
    short headingY;
    short lineY[helpLineCount];
};

HelpLayout computeHelpLayout(int windowHeight);

void drawHelpScreen(TextOverlay& text, int windowHeight);
