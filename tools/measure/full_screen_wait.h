// Waits on GLUT's events, shared by the window tests, the benchmark and the call-stream script
// (header only: the script's preloaded library does not link the program's).
#pragma once

#include <GL/freeglut.h>
#include <chrono>
#include <unistd.h>

// The one deadline of every wait, in seconds (wait.sh beside this file sets it).
constexpr int waitDeadlineSeconds = TYVOK_WAIT_SECONDS;

// Pumps GLUT's events without entering the main loop, then calls `then()`, until `done()` holds,
// for at most the deadline; says whether it held.
template <typename Done, typename Then> bool pumpGlutUntil(Done done, Then then) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(waitDeadlineSeconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        glutMainLoopEvent(), then();
    }
    return true;
}

// Pumps, 5 ms apart, until `windowArea()` (the window's width times its height, as the caller
// knows them) is the screen's: the window first reports its initial size, then the full screen's.
template <typename WindowArea> bool waitForFullScreen(WindowArea windowArea) {
    const long screen = static_cast<long>(glutGet(GLUT_SCREEN_WIDTH)) * glutGet(GLUT_SCREEN_HEIGHT);
    return pumpGlutUntil([&] { return static_cast<long>(windowArea()) == screen; },
                         [] { usleep(5000); });
}
