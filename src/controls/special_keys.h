// The special keys: the arrows held for the manual camera, Page Up/Down and Home/End for speeds.
#pragma once

#include "anim/setting_values.h"
#include "controls/pointer.h"
#include "overlay/text_overlay.h"

// The special keys that have a command; the host translates its window system's key codes.
enum class SpecialKey { left, right, up, down, pageUp, pageDown, home, end, other };

// A special key going down: an arrow is held, or a speed is stepped and shown at `nowSec`.
void pressSpecialKey(SpecialKey key, PointerInput& input, SimSettings& settings, TextOverlay& text,
                     double nowSec);

// A special key going up: an arrow is let go.
void releaseSpecialKey(SpecialKey key, PointerInput& input);
