// The keyboard commands: settings, toggles, cycles, help and Escape.
#pragma once

#include "anim/setting_values.h"
#include "controls/run_flags.h"
#include "overlay/text_overlay.h"
#include "scene/gear_mesh.h"

// What the keys act on, and the time in seconds that Escape records and messages are timed by.
struct KeyTargets {
    SimSettings& settings;
    RunFlags& flags;
    TextOverlay& text;
    Gear& gear;
    double nowSec;
};

// What a key leaves to the caller: the reset, which starts the whole program's state afresh, the
// help screen closed (which clears at once unless in hyperspace), and the window changes that the
// host carries out: the 512 x 512 window with an arrow cursor, or full screen with no cursor.
enum class KeyAction { none, reset, helpClosed, enterWindow, enterFullScreen };

// Cancels a pending clear, acts on the key, then hands the same key on to the keys that rebuild
// the gear or cycle the image, the texture-generation mode and a counter.
KeyAction pressKey(unsigned char key, const KeyTargets& targets);
