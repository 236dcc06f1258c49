// The class hint that names the program's window to the window manager.
#pragma once

#include <X11/Xlib.h>

// Gives `window` the class "tyvok", "Tyvok". A window manager reads the hint when the window is
// mapped, so a window it already manages is withdrawn first and mapped again.
void setWindowClass(Display* display, Window window);
