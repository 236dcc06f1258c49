// Start-up: the window, its callbacks and the scene's first state.
#pragma once

// Opens the full-screen window, registers the callbacks and sets up the scene, with the
// start-up random seeds offset by `seedBase`. Returns only when initialisation has succeeded; the
// caller then runs the main loop.
void startTyvok(int* argc, char** argv, unsigned seedBase);

// A reading of the steady clock in milliseconds, different from run to run: the seed base
// that gives each run its own oscillator phases and stars.
unsigned steadyClockSeed();

// One-time OpenGL and scene set-up after the window exists.
bool initScene();
