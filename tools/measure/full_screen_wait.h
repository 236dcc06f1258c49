// The wait for the program's window to fill the screen, shared by the window tests, the
// benchmark and the call-stream script (header only: the script's preloaded library does not
// link the program's).
#pragma once

#include <GL/freeglut.h>
#include <chrono>
#include <unistd.h>

// Pumps GLUT's events until `windowArea()` (the window's width times its height, as the caller
// knows them) equals the screen's, for at most `seconds`; says whether it did. The window first
// reports its initial size, then the full screen's.
template <typename WindowArea> bool waitForFullScreen(WindowArea windowArea, int seconds) {
    const long screen = static_cast<long>(glutGet(GLUT_SCREEN_WIDTH)) * glutGet(GLUT_SCREEN_HEIGHT);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (static_cast<long>(windowArea()) != screen) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        glutMainLoopEvent();
        usleep(5000);
    }
    return true;
}
