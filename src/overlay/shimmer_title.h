// The program title of the opening seconds: jittered by two oscillators, jumping now and then.
#pragma once

#include "anim/oscillators.h"
#include "overlay/text_overlay.h"

// Draws `text` near (x, y) at opacity `alpha`, moved by oscTitleX and oscTitleY and the
// occasional jump.
void drawShimmerTitle(TextOverlay& overlay, const OscillatorBank& bank, const char* text, short x,
                      short y, float size, float alpha);
