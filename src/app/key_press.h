// The program's answer to a key: its command, then the reset or the help screen's clear.
#pragma once

#include "controls/keyboard.h"

// Acts on `key` at the program's current time; returns the window change the host carries out
// (enterWindow, enterFullScreen) or none.
KeyAction pressProgramKey(unsigned char key);
