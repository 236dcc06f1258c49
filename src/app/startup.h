// Start-up shared by both hosts: the clock, the seed and the scene's first state.
#pragma once

#include <string>

// A reading of the steady clock in milliseconds, different from run to run: the seed base
// that gives each run its own oscillator phases and stars.
unsigned steadyClockSeed();

// Sets the program's clock to 0, to follow the host's clock from its next reading, and keeps
// `seedBase` for the start-up seed. Called before the window opens.
void startClock(unsigned seedBase);

// One-time OpenGL and scene set-up once the window exists and its context is current; the images
// are read from `imageFolder` (empty: the working directory). With `helpHint`, shows "Press ? key
// for Help Screen". Counts the pointer as reported at its rest point, where a host with a
// pointer of its own warps it.
bool initScene(bool helpHint = true, const std::string& imageFolder = {});
