// The end-to-end tests' X client, on $DISPLAY:
//   x_probe window W H [single]: maps a plain W x H window at the top left, which no window
//     manager moves (with "single", of a visual without a double-buffered configuration with
//     depth), for another program to draw into or to cover others; prints its id, and on SIGTERM
//     destroys it, prints "destroyed" and ends.
//   x_probe pixels ID [X Y W H]: prints the pixels of window ID ("root": the root window), or of
//     a rectangle of it, one row a line, "red green blue" of each pixel.
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t stop = 0;

// A visual of the screen's depth without a double-buffered configuration with depth for windows.
bool findSingleBufferedVisual(Display* display, XVisualInfo& found) {
    XVisualInfo wanted{};
    wanted.screen = DefaultScreen(display);
    wanted.depth = DefaultDepth(display, wanted.screen);
    int visualCount = 0, configCount = 0;
    XVisualInfo* visuals =
        XGetVisualInfo(display, VisualScreenMask | VisualDepthMask, &wanted, &visualCount);
    GLXFBConfig* configs = glXGetFBConfigs(display, wanted.screen, &configCount);
    bool doubled = true;
    for (int v = 0; v < visualCount && doubled; ++v) {
        doubled = false;
        for (int c = 0; c < configCount && !doubled; ++c) {
            int id = 0, twoBuffers = 0, depth = 0, drawables = 0;
            glXGetFBConfigAttrib(display, configs[c], GLX_VISUAL_ID, &id);
            glXGetFBConfigAttrib(display, configs[c], GLX_DOUBLEBUFFER, &twoBuffers);
            glXGetFBConfigAttrib(display, configs[c], GLX_DEPTH_SIZE, &depth);
            glXGetFBConfigAttrib(display, configs[c], GLX_DRAWABLE_TYPE, &drawables);
            doubled = static_cast<VisualID>(id) == visuals[v].visualid && twoBuffers && depth > 0 &&
                      (drawables & GLX_WINDOW_BIT);
        }
        if (!doubled) found = visuals[v];
    }
    if (configs) XFree(configs);
    if (visuals) XFree(visuals);
    return !doubled;
}

int serveWindow(Display* display, unsigned width, unsigned height, bool single) {
    XSetWindowAttributes attributes{};
    attributes.background_pixmap = None;
    attributes.override_redirect = True;
    XVisualInfo visual{};
    visual.visual = CopyFromParent;
    visual.depth = CopyFromParent;
    unsigned long mask = CWBackPixmap | CWOverrideRedirect;
    if (single) {
        if (!findSingleBufferedVisual(display, visual)) return 1;
        attributes.colormap =
            XCreateColormap(display, DefaultRootWindow(display), visual.visual, AllocNone);
        attributes.border_pixel = 0;
        mask |= CWColormap | CWBorderPixel;
    }
    Window window = XCreateWindow(display, DefaultRootWindow(display), 0, 0, width, height, 0,
                                  visual.depth, InputOutput, visual.visual, mask, &attributes);
    XMapWindow(display, window);
    XSync(display, False);
    std::signal(SIGTERM, [](int) { stop = 1; });
    std::printf("0x%lx\n", window);
    std::fflush(stdout);
    while (!stop) // the window asks for no events
        usleep(20000);
    XDestroyWindow(display, window);
    XSync(display, False);
    std::puts("destroyed");
    return 0;
}

int printPixels(Display* display, Window window, char** rectangle) {
    XWindowAttributes size;
    if (!XGetWindowAttributes(display, window, &size)) return 1;
    int area[4] = {0, 0, size.width, size.height};
    for (int i = 0; rectangle && i < 4; ++i)
        area[i] = std::atoi(rectangle[i]);
    XImage* image = XGetImage(display, window, area[0], area[1], static_cast<unsigned>(area[2]),
                              static_cast<unsigned>(area[3]), AllPlanes, ZPixmap);
    if (!image) return 1;
    for (int y = 0; y < area[3]; ++y)
        for (int x = 0; x < area[2]; ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            std::printf("%lu %lu %lu%c", (p >> 16) & 0xff, (p >> 8) & 0xff, p & 0xff,
                        x + 1 < area[2] ? ' ' : '\n');
        }
    XDestroyImage(image);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("x_probe: cannot open the display\n", stderr);
        return 1;
    }
    const std::string command = argc > 1 ? argv[1] : "";
    const Window window = argc < 3                            ? None
                          : std::strcmp(argv[2], "root") == 0 ? DefaultRootWindow(display)
                                                              : std::strtoul(argv[2], nullptr, 0);
    int status = 2;
    if (command == "window" && (argc == 4 || argc == 5))
        status = serveWindow(display, static_cast<unsigned>(std::atoi(argv[2])),
                             static_cast<unsigned>(std::atoi(argv[3])), argc == 5);
    else if (command == "pixels" && (argc == 3 || argc == 7))
        status = printPixels(display, window, argc == 7 ? argv + 3 : nullptr);
    else
        std::fputs("usage: x_probe window W H [single] | pixels ID [X Y W H]\n", stderr);
    XCloseDisplay(display);
    return status;
}
