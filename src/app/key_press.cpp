// The program's answer to a key: its command, then the reset or the help screen's clear.
#include "app/key_press.h"

#include "anim/random.h"
#include "app/clearing.h"
#include "app/globals.h"
#include "app/reset.h"

KeyAction pressProgramKey(unsigned char key) {
    KeyTargets targets{settings, app.flags, textOverlay, gear, app.nowSec};
    const KeyAction action = pressKey(key, targets);
    switch (action) {
    case KeyAction::reset:
        resetProgram(clockSeed(app.nowMs));
        textOverlay.showMessage("Reset", app.nowSec);
        app.flags.clearPending = 1;
        return KeyAction::none;
    case KeyAction::helpClosed: clearForClosedHelp(); return KeyAction::none;
    default: return action;
    }
}
