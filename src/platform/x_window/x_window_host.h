// The host for an existing X window: draws into it with Xlib and GLX, paced, without input.
#pragma once

#include "platform/command_line.h"

// Draws the program into the X window `options.windowId` (0: the root window) until the window
// is destroyed (status 0) or SIGTERM or SIGINT ends it by the same signal; a window that does
// not exist gives one line on stderr and status 1.
int runXWindowHost(const CommandLine& options, unsigned seedBase);
