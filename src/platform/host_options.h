// What the command line asks of the host that runs the program.
#pragma once

#include "platform/command_line.h"

#include <string>

struct HostOptions {
    HostKind host = HostKind::glutWindow;
    int maxFps = 0;         // frames a second at most; 0 = no limit
    bool fullScreen = true; // a window of its own: start full screen, else in its window
    // A window of its own: its size, and the geometry handed to glutInit in
    // argv[geometryArgument] (0: none), as the command line has them.
    int windowWidth = windowedSide;
    int windowHeight = windowedSide;
    int geometryArgument = 0;
    std::string geometry;
    unsigned long windowId = 0; // an existing X window: its id, 0 = the root window
    const char* displayName = nullptr;
    std::string imageFolder; // empty: the working directory
    Look look;               // set after start-up
};

// The frame limit in an existing X window when --max-fps is not given.
constexpr int xWindowDefaultFps = 30;

HostOptions hostOptions(const CommandLine& line);
