// The Wayland host: the program in a window of its own on a Wayland compositor, or on one of its
// layers, through wayland-client, EGL, xkbcommon and libdecor.
#include "platform/wayland/wayland_host.h"

#include "app/frame.h"
#include "app/globals.h"
#include "app/key_press.h"
#include "app/look.h"
#include "app/shutdown.h"
#include "app/startup.h"
#include "platform/frame_pacer.h"
#include "platform/host_events.h"
#include "platform/wayland/connection.h"
#include "platform/wayland/egl_context.h"
#include "platform/wayland/input.h"
#include "platform/wayland/layer_surface.h"
#include "platform/wayland/surface.h"
#include "platform/wayland/window.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

// On the overlay layer, pointer motion in the first half second (the pointer settling) does not
// end the screen saver.
constexpr std::int64_t settleMs = 500;

// Declared in the order they are set up; torn down in the reverse order.
struct Host {
    Connection connection;
    Surface surface{connection};
    std::optional<Window> window;      // a window of its own,
    std::optional<LayerSurface> layer; // or a layer
    wl_output* layerOutput = nullptr;  // the output --output names, or nullptr
    EglContext egl;
    Input input{connection};
    FramePacer pacer;
    std::int64_t startMs = 0;        // the monotonic clock when the program's clock read 0
    bool userActed = false;          // the overlay's input that ends the program
    std::optional<double> textScale; // --text-scale; else the buffer scale
};

Host* host = nullptr;

// The manual camera's warp: Wayland lets no client move the pointer, which is locked instead.
void recentrePointer(int, int) {
    host->input.recentre();
}
const FrameHost waylandFrameHost{recentrePointer};

// The surface's size or scale has changed: the buffer, the view and the text follow.
void resize(Host& h) {
    const int scale = h.surface.scale();
    const int width = h.surface.width() * scale, height = h.surface.height() * scale;
    h.egl.resize(width, height);
    setTextScale(h.textScale.value_or(scale));
    reshapeView(width, height);
    textOverlay.currentWindowWidth = width;
    textOverlay.currentWindowHeight = height;
    h.input.attach(h.surface.surface, scale);
}

void pressCharacter(Host& h, unsigned char key) {
    switch (pressProgramKey(key)) {
    case KeyAction::enterWindow: h.window->setFullScreen(false); break;
    case KeyAction::enterFullScreen: h.window->setFullScreen(true); break;
    default: break;
    }
    h.input.follow(settings.cameraMode == cameraManual, app.flags.fullScreen);
}

[[noreturn]] void connectionLost() {
    std::fprintf(stderr, "tyvok: lost the connection to the Wayland compositor\n");
    std::exit(1);
}

// One frame on the monotonic clock since the start, with the next frame callback asked for in
// the commit that the swap makes.
FrameEnd drawOneFrame(Host& h) {
    advanceProgramClock(static_cast<std::uint32_t>(monotonicMs() - h.startMs));
    h.surface.requestFrame();
    const FrameEnd end = drawFrame(waylandFrameHost);
    if (end == FrameEnd::drawn) h.egl.swap();
    h.pacer.frameDrawn(app.nowMs);
    return end;
}

// Handles what the compositor sent, the keys' repeats and the stop signals, and draws a frame
// whenever the compositor is ready for one and the frame limit allows it; otherwise sleeps until
// one of them has something. A surface that cannot be seen gets no frame callbacks, so it sleeps.
int run(Host& h) {
    wl_display* display = h.connection.display;
    const int fd = wl_display_get_fd(display);
    for (;;) {
        if (wl_display_dispatch_pending(display) < 0) connectionLost();
        if (const int signal = pendingStopSignal()) {
            releaseResources();
            endBySignal(signal);
        }
        if (h.surface.closed || h.userActed) {
            releaseResources();
            return 0;
        }
        const std::int64_t nowMs = monotonicMs();
        h.input.repeatDue(nowMs);
        std::int64_t waitMs = h.input.repeatWaitMs(nowMs);
        if (h.surface.frameDue) {
            const std::int64_t frameWaitMs = h.pacer.waitMs(nowMs - h.startMs);
            if (frameWaitMs == 0) {
                if (drawOneFrame(h) == FrameEnd::quit) {
                    releaseResources();
                    return 0;
                }
                continue;
            }
            waitMs = waitMs < 0 ? frameWaitMs : std::min(waitMs, frameWaitMs);
        }
        while (wl_display_prepare_read(display) != 0)
            if (wl_display_dispatch_pending(display) < 0) connectionLost();
        wl_display_flush(display);
        if (!waitForInput(fd, waitMs)) {
            wl_display_cancel_read(display);
        } else if (wl_display_read_events(display) < 0) {
            connectionLost();
        }
    }
}

// The output --output names, or nullptr with one line that lists those there are.
wl_output* namedOutput(const Connection& connection, const std::string& name) {
    std::string names;
    for (const Output& output : connection.outputs) {
        if (output.name == name) return output.output;
        names += (names.empty() ? "" : ", ") + output.name;
    }
    std::fprintf(stderr, "tyvok: no output '%s' (the outputs: %s)\n", name.c_str(),
                 names.empty() ? "none" : names.c_str());
    return nullptr;
}

// The output the layer is on has gone: the program ends, as when the compositor closes it.
void followOutputs(Host& h) {
    h.surface.updateScale();
    if (h.layerOutput && !h.connection.find(h.layerOutput)) h.surface.closed = true;
}

} // namespace

std::optional<int> runWaylandHost(const CommandLine& options, unsigned seedBase) {
    const bool onLayer = options.layer != Layer::none;
    Host h;
    h.connection.seatChanged = [&h](wl_seat* seat) { h.input.useSeat(seat); };
    h.connection.outputsChanged = [&h] { followOutputs(h); };
    const bool connected = h.connection.open() && h.connection.compositor;
    if (onLayer && (!connected || !h.connection.layerShell)) {
        std::fprintf(stderr, connected ? "tyvok: --layer needs the compositor's layer shell "
                                         "(zwlr_layer_shell_v1), which it does not offer\n"
                                       : "tyvok: --layer needs a Wayland compositor, and none "
                                         "answers at WAYLAND_DISPLAY\n");
        return 1;
    }
    if (!connected || (!onLayer && !h.connection.hasXdgWmBase) ||
        !h.egl.open(h.connection.display)) {
        if (!onLayer) return std::nullopt;
        std::fprintf(stderr, "tyvok: EGL gives no desktop OpenGL context on the compositor\n");
        return 1;
    }
    if (onLayer && !options.outputName.empty() &&
        !(h.layerOutput = namedOutput(h.connection, options.outputName)))
        return 1;
    if (!h.surface.create() ||
        (!onLayer && !h.window.emplace(h.surface).create(h.connection.display)) ||
        !h.egl.attach(h.surface.surface, windowedSide, windowedSide)) {
        std::fprintf(stderr, "tyvok: cannot open a surface on the Wayland compositor\n");
        return 1;
    }
    host = &h;
    h.pacer = FramePacer(options.maxFps);
    h.textScale = options.textScale;

    startClock(seedBase);
    h.startMs = monotonicMs();
    catchStopSignals();
    // Text is laid out in the windowed size until the first configure, as in the GLUT host.
    textOverlay.currentWindowWidth = textOverlay.currentWindowHeight = windowedSide;
    setTextScale(h.textScale.value_or(h.surface.scale()));
    if (!initScene(!onLayer, options.imageFolder)) {
        std::printf("App cannot initialize.\n");
        std::exit(0);
    }
    applyLook(options.look);
    h.surface.resized = [&h] { resize(h); };

    if (onLayer) {
        // A wallpaper or a screen saver: no keys for the controls, the automatic camera; on the
        // overlay the user's first key, button or motion ends it.
        h.input.serve(options.layer == Layer::overlay ? InputUse::endOnUser : InputUse::none,
                      h.startMs + settleMs);
        h.input.userActed = [&h] { h.userActed = true; };
        if (!h.layer.emplace(h.surface).create(h.connection, options.layer, h.layerOutput))
            connectionLost();
        h.input.attach(h.surface.surface, h.surface.scale());
        return run(h);
    }

    // The window shows its first frame at its windowed size, so that leaving full screen comes
    // back to it.
    h.input.characterPressed = [&h](unsigned char key) { pressCharacter(h, key); };
    if (!h.window->map(h.connection.display)) connectionLost();
    if (drawOneFrame(h) == FrameEnd::quit) {
        releaseResources();
        return 0;
    }
    if (options.startWindowed)
        app.flags.fullScreen = 0;
    else
        h.window->setFullScreen(true);
    h.input.follow(settings.cameraMode == cameraManual, app.flags.fullScreen);
    return run(h);
}
