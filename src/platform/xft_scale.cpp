// The X desktop's text scale: its Xft.dpi resource, which HiDPI desktops raise above 96.
#include "platform/xft_scale.h"

#include "platform/command_line.h"

#include <X11/Xresource.h>
#include <algorithm>
#include <cstdlib>

namespace {

// X's own resolution, at which text is drawn at its size.
const double baseDpi = 96;

} // namespace

double desktopTextScale(Display* display) {
    // The resources that xrdb loaded into the server, read when the display was opened.
    const char* resources = XResourceManagerString(display);
    if (!resources) return 1;
    XrmInitialize();
    XrmDatabase database = XrmGetStringDatabase(resources);
    char* type = nullptr;
    XrmValue value{};
    double dpi = 0;
    if (database && XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr)
        dpi = std::strtod(value.addr, nullptr);
    if (database) XrmDestroyDatabase(database);
    // Also false for a value that is not a number.
    if (!(dpi > baseDpi)) return 1;
    return std::min(dpi / baseDpi, textScaleMax);
}
