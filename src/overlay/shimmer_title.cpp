// The program title of the opening seconds: jittered by two oscillators, jumping now and then.
#include "overlay/shimmer_title.h"

#include "anim/random.h"

namespace {

// One axis of the title's position: the smooth swing, then a sudden jump in about 5.6 % of
// frames (two draws whose product falls below 0.01).
short jitter(const OscillatorBank& bank, short position, int slot, float size, float half) {
    short p =
        static_cast<short>(static_cast<int>(position + oscValue(bank, slot, 40, size, -half)));
    if (randUnit(1) * randUnit(1) < 0.01)
        p = static_cast<short>(static_cast<int>(p + randUnit(size) - half));
    return p;
}

} // namespace

void drawShimmerTitle(TextOverlay& overlay, const OscillatorBank& bank, const char* text, short x,
                      short y, float size, float alpha) {
    float half = size * 0.5f;
    short px = jitter(bank, x, oscTitleX, size, half);
    short py = jitter(bank, y, oscTitleY, size, half);

    UnstoredText unstored(overlay);
    overlay.color[3] = alpha;
    overlay.drawText(text, px, py, size);
    overlay.color[3] = 1.0f;
}
