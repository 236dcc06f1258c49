// Tyvok's entry point: read the command line, then run the host it asks for.
#include "app/startup.h"
#include "platform/command_line.h"
#include "platform/glut/glut_host.h"
#include "platform/x_window/x_window_host.h"

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
    if (parsed.options.host == HostKind::xWindow)
        return runXWindowHost(parsed.options, steadyClockSeed());
    return runGlutHost(&argc, argv, parsed.options);
}
