// The host for an existing X window: draws into it with Xlib and GLX, paced, without input.
#include "platform/x_window/x_window_host.h"

#include "app/frame.h"
#include "app/globals.h"
#include "app/look.h"
#include "app/shutdown.h"
#include "app/startup.h"
#include "platform/frame_pacer.h"
#include "platform/host_events.h"
#include "platform/xft_scale.h"

#include <GL/gl.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cstdio>
#include <cstdlib>

namespace {

// Set by the error handler when the window, or the child drawn in, has gone.
bool windowGone = false;

// Xlib's default handler prints and ends the process with status 1; a window that goes away
// under the program ends it quietly instead, and other errors are left to the frame's checks.
int noteXError(Display*, XErrorEvent* error) {
    if (error->error_code == BadWindow || error->error_code == BadDrawable) windowGone = true;
    return 0;
}

struct Target {
    Display* display = nullptr;
    Window window = 0;   // the given window
    Window drawable = 0; // where the frames go: the given window, or a child that fills it
    Colormap colormap = 0;
    GLXContext context = nullptr;
    bool mapped = false;
};

bool attribute(Display* display, GLXFBConfig config, int name, int& value) {
    return glXGetFBConfigAttrib(display, config, name, &value) == Success;
}

// A double-buffered RGBA configuration with depth for windows, of the visual `visualId` or, with
// 0, of any visual.
GLXFBConfig findConfig(Display* display, int screen, VisualID visualId) {
    int count = 0;
    GLXFBConfig* configs = glXGetFBConfigs(display, screen, &count);
    GLXFBConfig found = nullptr;
    for (int i = 0; i < count && !found; ++i) {
        int visual = 0, doubled = 0, depth = 0, render = 0, drawables = 0;
        if (attribute(display, configs[i], GLX_VISUAL_ID, visual) &&
            attribute(display, configs[i], GLX_DOUBLEBUFFER, doubled) &&
            attribute(display, configs[i], GLX_DEPTH_SIZE, depth) &&
            attribute(display, configs[i], GLX_RENDER_TYPE, render) &&
            attribute(display, configs[i], GLX_DRAWABLE_TYPE, drawables) && visual != 0 &&
            (visualId == 0 || static_cast<VisualID>(visual) == visualId) && doubled && depth > 0 &&
            (render & GLX_RGBA_BIT) && (drawables & GLX_WINDOW_BIT))
            found = configs[i];
    }
    if (configs) XFree(configs);
    return found;
}

// A child window of `config`'s visual that fills the given window; frames are drawn there.
void createChild(Target& target, GLXFBConfig config, int width, int height) {
    XVisualInfo* visual = glXGetVisualFromFBConfig(target.display, config);
    target.colormap = XCreateColormap(target.display, target.window, visual->visual, AllocNone);
    XSetWindowAttributes attributes{};
    attributes.colormap = target.colormap;
    attributes.background_pixel = 0;
    attributes.border_pixel = 0;
    target.drawable =
        XCreateWindow(target.display, target.window, 0, 0, static_cast<unsigned>(width),
                      static_cast<unsigned>(height), 0, visual->depth, InputOutput, visual->visual,
                      CWColormap | CWBackPixel | CWBorderPixel, &attributes);
    XFree(visual);
    XMapWindow(target.display, target.drawable);
}

// The window's new size: the child follows it, and the frame takes it up.
void resize(Target& target, int width, int height) {
    if (target.drawable != target.window)
        XResizeWindow(target.display, target.drawable, static_cast<unsigned>(width),
                      static_cast<unsigned>(height));
    reshapeView(width, height);
    textOverlay.currentWindowWidth = width;
    textOverlay.currentWindowHeight = height;
}

void release(Target& target) {
    releaseResources();
    glXMakeCurrent(target.display, None, nullptr);
    glXDestroyContext(target.display, target.context);
    if (target.drawable != target.window) XDestroyWindow(target.display, target.drawable);
    if (target.colormap) XFreeColormap(target.display, target.colormap);
    XCloseDisplay(target.display);
}

void handleEvent(Target& target, const XEvent& event) {
    switch (event.type) {
    case ConfigureNotify:
        if (event.xconfigure.window == target.window)
            resize(target, event.xconfigure.width, event.xconfigure.height);
        break;
    case MapNotify:
        if (event.xmap.window == target.window) target.mapped = true;
        break;
    case UnmapNotify:
        if (event.xunmap.window == target.window) target.mapped = false;
        break;
    case DestroyNotify:
        if (event.xdestroywindow.window == target.window) windowGone = true;
        break;
    default: break;
    }
}

// One frame at `sinceStartMs` on the monotonic clock since the host started; swapped unless it
// ends the program.
FrameEnd drawOneFrame(Target& target, std::int64_t sinceStartMs) {
    advanceProgramClock(static_cast<std::uint32_t>(sinceStartMs));
    // There is no pointer of the program's own to put back.
    static const FrameHost noPointer{[](int, int) {}};
    const FrameEnd end = drawFrame(noPointer);
    if (end == FrameEnd::drawn) glXSwapBuffers(target.display, target.drawable);
    return end;
}

[[noreturn]] void fail(const char* format, unsigned long value) {
    std::fprintf(stderr, format, value);
    std::exit(1);
}

} // namespace

int runXWindowHost(const CommandLine& options, unsigned seedBase) {
    XSetErrorHandler(noteXError);
    Target target;
    target.display = XOpenDisplay(options.displayName);
    if (!target.display) {
        const char* name = XDisplayName(options.displayName);
        std::fprintf(stderr, "tyvok: cannot open display '%s'\n", name);
        return 1;
    }
    target.window = options.windowId ? options.windowId : DefaultRootWindow(target.display);
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(target.display, target.window, &attributes) || windowGone)
        fail("tyvok: no X window 0x%lx\n", target.window);
    XSelectInput(target.display, target.window, StructureNotifyMask);
    target.mapped = attributes.map_state != IsUnmapped;

    const int screen = XScreenNumberOfScreen(attributes.screen);
    GLXFBConfig config = findConfig(target.display, screen, XVisualIDFromVisual(attributes.visual));
    target.drawable = target.window;
    if (!config) {
        // Any other visual than the window's own fails: draw in a child of a visual that has
        // a double-buffered configuration with depth.
        config = findConfig(target.display, screen, 0);
        if (!config)
            fail("tyvok: no double-buffered OpenGL visual with depth on screen %lu\n",
                 static_cast<unsigned long>(screen));
        createChild(target, config, attributes.width, attributes.height);
    }
    target.context = glXCreateNewContext(target.display, config, GLX_RGBA_TYPE, nullptr, True);
    if (!target.context || !glXMakeCurrent(target.display, target.drawable, target.context))
        fail("tyvok: no OpenGL context for X window 0x%lx\n", target.window);

    setTextScale(options.textScale ? *options.textScale : desktopTextScale(target.display));
    const std::int64_t startMs = monotonicMs();
    startClock(seedBase);
    catchStopSignals();
    if (!initScene(false, options.imageFolder))
        fail("tyvok: cannot initialise the scene in X window 0x%lx\n", target.window);
    applyLook(options.look);
    resize(target, attributes.width, attributes.height);

    FramePacer pacer(options.maxFps);
    const int connection = ConnectionNumber(target.display);
    for (;;) {
        while (XPending(target.display) > 0) {
            XEvent event;
            XNextEvent(target.display, &event);
            handleEvent(target, event);
        }
        if (const int signal = pendingStopSignal()) {
            release(target);
            endBySignal(signal);
        }
        if (windowGone) {
            release(target);
            return 0;
        }
        if (!target.mapped) {
            waitForInput(connection, -1);
            continue;
        }
        // The program's clock is the monotonic clock since the start, read here and by the frame.
        const std::int64_t nowMs = monotonicMs() - startMs;
        const std::int64_t waitMs = pacer.waitMs(nowMs);
        if (waitMs > 0) {
            waitForInput(connection, waitMs);
            continue;
        }
        if (drawOneFrame(target, nowMs) == FrameEnd::quit) {
            release(target);
            return 0;
        }
        pacer.frameDrawn(app.nowMs);
    }
}
