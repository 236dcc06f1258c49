// A held key's repeats, at the rate and after the delay that the compositor asks for.
#include "platform/wayland/key_repeat.h"

void KeyRepeat::setRate(int perSecond, int delayMs) {
    rate = perSecond > 0 ? perSecond : 0;
    delay = delayMs > 0 ? delayMs : 0;
}

void KeyRepeat::press(std::uint32_t key, std::int64_t nowMs) {
    heldKey = key;
    repeating = true;
    gridStartMs = nowMs + delay;
    repeats = 0;
}

void KeyRepeat::release(std::uint32_t key) {
    if (key == heldKey) repeating = false;
}

std::int64_t KeyRepeat::waitMs(std::int64_t nowMs) const {
    if (!active()) return -1;
    return due() > nowMs ? due() - nowMs : 0;
}

bool KeyRepeat::takeDue(std::int64_t nowMs) {
    if (!active() || nowMs < due()) return false;
    ++repeats;
    if (due() <= nowMs) gridStartMs = nowMs, repeats = 1;
    return true;
}
