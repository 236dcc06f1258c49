// The X desktop's text scale: its Xft.dpi resource, which HiDPI desktops raise above 96.
#pragma once

#include <X11/Xlib.h>

// The Xft.dpi resource of `display` divided by 96, when it is set and above 96 (at most
// textScaleMax); 1 otherwise.
double desktopTextScale(Display* display);
