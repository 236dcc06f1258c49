// The special keys: the arrows held for the manual camera, Page Up/Down and Home/End for speeds.
#include "controls/special_keys.h"

#include "controls/key_steps.h"

namespace {

int arrowBit(SpecialKey key) {
    switch (key) {
    case SpecialKey::left: return arrowLeft;
    case SpecialKey::right: return arrowRight;
    case SpecialKey::up: return arrowUp;
    case SpecialKey::down: return arrowDown;
    default: return 0;
    }
}

} // namespace

void pressSpecialKey(SpecialKey key, PointerInput& input, SimSettings& settings, TextOverlay& text,
                     double nowSec) {
    input.arrowKeys |= arrowBit(key);
    switch (key) {
    case SpecialKey::pageUp:
        scaleSetting(settings.mainSpeed, stepUp, "Main Speed: %4.2f\n", text, nowSec);
        break;
    case SpecialKey::pageDown:
        scaleSetting(settings.mainSpeed, stepDown, "Main Speed: %4.2f\n", text, nowSec);
        break;
    case SpecialKey::home:
        scaleSetting(settings.speed, stepUp, "Speed: %4.2f\n", text, nowSec);
        break;
    case SpecialKey::end:
        scaleSetting(settings.speed, stepDown, "Speed: %4.2f\n", text, nowSec);
        break;
    default: break;
    }
}

void releaseSpecialKey(SpecialKey key, PointerInput& input) {
    input.arrowKeys &= ~arrowBit(key);
}
