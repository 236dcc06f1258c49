// What the preloaded scripted run shares between its parts: the synthetic clock, the program's
// GLUT callbacks and the script itself.
#pragma once

namespace scripted_run {

// The script's clock in milliseconds, 0 until the first scripted frame.
extern int clockMs;

// The callbacks the program last registered with GLUT.
struct ProgramCallbacks {
    void (*keyboard)(unsigned char, int, int) = nullptr;
    void (*special)(int, int, int) = nullptr;
    void (*specialUp)(int, int, int) = nullptr;
    void (*mouse)(int, int, int, int) = nullptr;
    void (*motion)(int, int) = nullptr;
    void (*passiveMotion)(int, int) = nullptr;
    void (*reshape)(int, int) = nullptr;
    void (*display)() = nullptr;
    void (*idle)() = nullptr;
};
extern ProgramCallbacks program;

// Hands GLUT callbacks that do nothing in place of the program's, for good: from then on no
// window-system event reaches the program, and later registrations are only kept for the script.
void silenceWindowEvents();

// Waits for the full-screen window, drives the program through the script and exits.
[[noreturn]] void runScript();

} // namespace scripted_run
