// The host with a window of its own: GLUT opens it, delivers the input and runs the frames.
#pragma once

#include "platform/command_line.h"

// Opens the window as `options` ask, registers the callbacks and sets up the scene, with every
// random seed offset by `seedBase`. Returns only when initialisation has succeeded; the caller
// then runs GLUT's main loop.
void startGlutHost(int* argc, char** argv, unsigned seedBase, const CommandLine& options);

// startGlutHost with the options in argv (the defaults when they are not valid).
void startTyvok(int* argc, char** argv, unsigned seedBase);

// Starts, then runs GLUT's main loop for good; SIGTERM and SIGINT release the program's
// resources and end it by the same signal.
int runGlutHost(int* argc, char** argv, const CommandLine& options);
