// The command line: its options, read before anything touches the display.
#pragma once

#include "app/look.h"
#include "controls/run_flags.h"

#include <optional>
#include <string>

// The host that runs the program: a window of its own through GLUT (on X) or on Wayland (or a
// layer there), or another program's X window.
enum class HostKind { glutWindow, wayland, xWindow };

// The layer of the Wayland compositor's that --layer draws on: under the windows, a wallpaper;
// above them, a screen saver.
enum class Layer { none, background, overlay };

struct CommandLine {
    HostKind host = HostKind::glutWindow;
    bool startWindowed = false; // --window: start in the 512 x 512 window, as after f
    int maxFps = 0;             // --max-fps N (0 = unlimited); not given: the host's default
    unsigned long windowId = 0; // --window-id ID (decimal or 0x hex), which wins over --root;
                                // --root alone: the value of XSCREENSAVER_WINDOW (hex or
                                // decimal), or 0 = the root window
    const char* displayName = nullptr; // -display NAME (also left in argv for glutInit)
    // -geometry, read as X reads it; the size it leaves out stays 512. glutInit still reads the
    // option and places the window: it is handed `geometry`, the same geometry with the size
    // written out, in argv[geometryArgument] (0: no -geometry).
    int windowWidth = windowedSide;
    int windowHeight = windowedSide;
    int geometryArgument = 0;
    std::string geometry;
    Layer layer = Layer::none; // --layer LAYER, in the Wayland host
    std::string outputName;    // --output NAME with it; empty: the compositor chooses
    std::string imageFolder;   // --images DIR; empty: the working directory
    Look look;                 // --image NAME, --fov N and the other look options
    // --text-scale X; empty: the desktop's scale
    std::optional<double> textScale;
};

// The frame limit in an existing X window and on a layer, where the program is a screen saver
// or a wallpaper, when --max-fps is not given.
constexpr int screenSaverFps = 30;

// The text scales that --text-scale takes, the desktop's scale kept within them too.
constexpr double textScaleMin = 1, textScaleMax = 8;

enum class CommandOutcome { run, help, version, usageError };

struct ParsedCommandLine {
    CommandOutcome outcome;
    CommandLine options;
    // The usage text (help), "tyvok 1.0" (version) or the one error line (usageError), each
    // without a final newline.
    std::string message;
};

// What the reading takes from the environment (nullptr: unset).
struct Environment {
    const char* screensaverWindow = nullptr; // XSCREENSAVER_WINDOW, for --root without --window-id
    const char* waylandDisplay = nullptr;    // WAYLAND_DISPLAY: where set, a window of its own is
                                             // a Wayland one, unless X is asked for
};

// Reads argv[1] onwards without changing argv. The first --help, --version or error ends the
// reading. GLUT's own X options (-display, -geometry, -iconic, -direct, -indirect, -gldebug,
// -sync) are left in argv for glutInit.
ParsedCommandLine parseCommandLine(int argc, const char* const* argv,
                                   const Environment& environment);
