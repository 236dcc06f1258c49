// Tyvok's entry point: read the command line, start up, then hand control to GLUT's main loop.
#include "app/command_line.h"
#include "app/startup.h"

#include <GL/freeglut.h>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    // Help, version and usage errors end here, before anything opens the display.
    const ParsedCommandLine parsed =
        parseCommandLine(argc, argv, std::getenv("XSCREENSAVER_WINDOW"));
    switch (parsed.outcome) {
    case CommandOutcome::help:
    case CommandOutcome::version:
        std::puts(parsed.message.c_str());
        return std::fflush(stdout) == 0 ? 0 : 1;
    case CommandOutcome::usageError: std::fprintf(stderr, "%s\n", parsed.message.c_str()); return 2;
    case CommandOutcome::run: break;
    }
    startTyvok(&argc, argv, steadyClockSeed());
    glutMainLoop();
    return 0;
}
