// What the command line asks of the host that runs the program.
#include "platform/host_options.h"

HostOptions hostOptions(const CommandLine& line) {
    HostOptions options;
    options.host = line.host;
    const bool ownWindow = line.host == HostKind::glutWindow;
    options.maxFps = line.maxFps >= 0 ? line.maxFps : ownWindow ? 0 : xWindowDefaultFps;
    options.fullScreen = ownWindow && !line.startWindowed;
    options.windowWidth = line.windowWidth;
    options.windowHeight = line.windowHeight;
    options.geometryArgument = line.geometryArgument;
    options.geometry = line.geometry;
    options.windowId = line.windowId;
    options.displayName = line.displayName;
    options.imageFolder = line.imageFolder;
    options.look = line.look;
    return options;
}
