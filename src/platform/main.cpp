// Tyvok's entry point: read the command line, then run the host it asks for.
#include "app/startup.h"
#include "platform/command_line.h"
#include "platform/glut/glut_host.h"
#include "platform/wayland/wayland_host.h"
#include "platform/x_window/x_window_host.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

int main(int argc, char** argv) {
    // Help, version and usage errors end here, before anything opens the display.
    const ParsedCommandLine parsed = parseCommandLine(
        argc, argv, {std::getenv("XSCREENSAVER_WINDOW"), std::getenv("WAYLAND_DISPLAY")});
    switch (parsed.outcome) {
    case CommandOutcome::help:
    case CommandOutcome::version:
        std::puts(parsed.message.c_str());
        return std::fflush(stdout) == 0 ? 0 : 1;
    case CommandOutcome::usageError: std::fprintf(stderr, "%s\n", parsed.message.c_str()); return 2;
    case CommandOutcome::run: break;
    }
    switch (parsed.options.host) {
    case HostKind::xWindow: return runXWindowHost(parsed.options, steadyClockSeed());
    case HostKind::wayland:
        if (const std::optional<int> status = runWaylandHost(parsed.options, steadyClockSeed()))
            return *status;
        // No compositor there can show the window: X shows it, where there is one.
        if (!std::getenv("DISPLAY") || !*std::getenv("DISPLAY")) {
            std::fprintf(stderr,
                         "tyvok: no Wayland compositor at '%s' can show the window, and "
                         "DISPLAY is not set\n",
                         std::getenv("WAYLAND_DISPLAY"));
            return 1;
        }
        break;
    case HostKind::glutWindow: break;
    }
    return runGlutHost(&argc, argv, parsed.options);
}
