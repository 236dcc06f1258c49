// What the command line asks of the host that runs the program.
#include "platform/host_options.h"

HostOptions hostOptions(const CommandLine& line) {
    HostOptions options;
    options.host = line.host;
    const bool ownWindow = line.host == HostKind::glutWindow;
    options.maxFps = line.maxFps >= 0 ? line.maxFps : ownWindow ? 0 : xWindowDefaultFps;
    options.fullScreen = ownWindow && !line.startWindowed;
    options.setWindowSize = ownWindow && !line.geometryGiven;
    options.windowId = line.windowId;
    options.displayName = line.displayName;
    options.look = line.look;
    return options;
}
