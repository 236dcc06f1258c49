// The program title of the opening seconds: jittered by two oscillators, jumping now and then.
#include "anim/oscillators.h"
#include "anim/random.h"
#include "overlay/text_overlay.h"

namespace {

// One axis of the title's position: the smooth swing, then a sudden jump in about 5.6 % of
// frames (two draws whose product falls below 0.01).
short jitter(short position, int slot, float size, float half) {
    short p = static_cast<short>(static_cast<int>(position + oscValue(slot, 40, size, -half)));
    if (randUnit(1) * randUnit(1) < 0.01)
        p = static_cast<short>(static_cast<int>(p + randUnit(size) - half));
    return p;
}

} // namespace

void drawShimmerTitle(const char* text, short x, short y, float size, float alpha) {
    float half = size * 0.5f;
    short px = jitter(x, 17, size, half);
    short py = jitter(y, 18, size, half);

    UnstoredText unstored;
    textOverlay.color[3] = alpha;
    textOverlay.drawText(text, px, py, size);
    textOverlay.color[3] = 1.0f;
}
