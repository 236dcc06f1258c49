// The Wayland host: the program in a window of its own on a Wayland compositor, through
// wayland-client, EGL, xkbcommon and libdecor.
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
#include "platform/wayland/window.h"

#include <GL/gl.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// Declared in the order they are set up; torn down in the reverse order.
struct Host {
    Connection connection;
    Window window{connection};
    EglContext egl;
    Input input{connection};
    FramePacer pacer;
    std::int64_t startMs = 0; // the monotonic clock when the program's clock read 0
};

Host* host = nullptr;

// The manual camera's warp: Wayland lets no client move the pointer, which is locked instead.
void recentrePointer(int, int) {
    host->input.recentre();
}
const FrameHost waylandFrameHost{recentrePointer};

// The window's size or scale has changed: the buffer, the view and the text follow.
void resize(Host& h) {
    const int scale = h.window.scale();
    const int width = h.window.width() * scale, height = h.window.height() * scale;
    h.egl.resize(width, height);
    reshapeView(width, height);
    textOverlay.currentWindowWidth = width;
    textOverlay.currentWindowHeight = height;
    h.input.attach(h.window.surface, scale);
}

void pressCharacter(Host& h, unsigned char key) {
    switch (pressProgramKey(key)) {
    case KeyAction::enterWindow: h.window.setFullScreen(false); break;
    case KeyAction::enterFullScreen: h.window.setFullScreen(true); break;
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
    h.window.requestFrame();
    const FrameEnd end = drawFrame(waylandFrameHost);
    if (end == FrameEnd::drawn) h.egl.swap();
    h.pacer.frameDrawn(app.nowMs);
    return end;
}

// Handles what the compositor sent, the keys' repeats and the stop signals, and draws a frame
// whenever the compositor is ready for one and the frame limit allows it; otherwise sleeps until
// one of them has something. A window that cannot be seen gets no frame callbacks, so it sleeps.
int run(Host& h) {
    wl_display* display = h.connection.display;
    const int fd = wl_display_get_fd(display);
    for (;;) {
        if (wl_display_dispatch_pending(display) < 0) connectionLost();
        if (const int signal = pendingStopSignal()) {
            releaseResources();
            endBySignal(signal);
        }
        if (h.window.closed) {
            releaseResources();
            return 0;
        }
        const std::int64_t nowMs = monotonicMs();
        h.input.repeatDue(nowMs);
        std::int64_t waitMs = h.input.repeatWaitMs(nowMs);
        if (h.window.frameDue) {
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

} // namespace

std::optional<int> runWaylandHost(const CommandLine& options, unsigned seedBase) {
    Host h;
    h.connection.seatChanged = [&h](wl_seat* seat) { h.input.useSeat(seat); };
    h.connection.outputsChanged = [&h] { h.window.updateScale(); };
    if (!h.connection.open() || !h.connection.compositor || !h.connection.hasXdgWmBase ||
        !h.egl.open(h.connection.display))
        return std::nullopt;
    if (!h.window.create() || !h.egl.attach(h.window.surface, windowedSide, windowedSide)) {
        std::fprintf(stderr, "tyvok: cannot open a window on the Wayland compositor\n");
        return 1;
    }
    host = &h;
    h.pacer = FramePacer(options.maxFps);
    h.input.characterPressed = [&h](unsigned char key) { pressCharacter(h, key); };

    startClock(seedBase);
    h.startMs = monotonicMs();
    catchStopSignals();
    // Text is laid out in the windowed size until the first configure, as in the GLUT host.
    textOverlay.currentWindowWidth = textOverlay.currentWindowHeight = windowedSide;
    if (!initScene(true, options.imageFolder)) {
        std::printf("App cannot initialize.\n");
        std::exit(0);
    }
    applyLook(options.look);

    // The window shows first at its windowed size, so that leaving full screen comes back to it.
    h.window.resized = [&h] { resize(h); };
    if (!h.window.map()) connectionLost();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    h.egl.swap();
    if (options.startWindowed)
        app.flags.fullScreen = 0;
    else
        h.window.setFullScreen(true);
    h.input.follow(settings.cameraMode == cameraManual, app.flags.fullScreen);
    return run(h);
}
