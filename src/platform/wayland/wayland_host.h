// The Wayland host: the program in a window of its own on a Wayland compositor, through
// wayland-client, EGL, xkbcommon and libdecor.
#pragma once

#include "platform/command_line.h"

#include <optional>

// Runs the program on the compositor that WAYLAND_DISPLAY names until it ends: status 0 when the
// quit fade completes or the compositor closes the window, 1 when the compositor goes away;
// SIGTERM and SIGINT end it by the same signal. Returns nothing, having touched none of the
// program's state, when it cannot start there: no compositor answers, it offers no desktop shell
// (xdg_wm_base), or EGL gives no desktop OpenGL compatibility context.
std::optional<int> runWaylandHost(const CommandLine& options, unsigned seedBase);
