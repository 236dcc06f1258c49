// What the command line asks of the host that runs the program.
#pragma once

#include "platform/command_line.h"

struct HostOptions {
    HostKind host = HostKind::glutWindow;
    int maxFps = 0;             // frames a second at most; 0 = no limit
    bool fullScreen = true;     // a window of its own: start full screen, else 512 x 512
    bool setWindowSize = true;  // a window of its own: ask for 512 x 512 (no -geometry given)
    unsigned long windowId = 0; // an existing X window: its id, 0 = the root window
    const char* displayName = nullptr;
    Look look; // set after start-up
};

// The frame limit in an existing X window when --max-fps is not given.
constexpr int xWindowDefaultFps = 30;

HostOptions hostOptions(const CommandLine& line);
