// The end-to-end tests' X client, on $DISPLAY:
//   x_probe window W H [single]  maps a plain W x H window (with "single", of a visual without a
//                           double-buffered configuration with depth) at the top left, which no
//                           window manager moves, for another program to draw into (or to cover
//                           others); prints its id, and on SIGTERM destroys it, prints "destroyed"
//                           and ends.
//   x_probe pixels ID FILE  reads the window's pixels (ID "root" for the root window) and prints
//                           "W H lit changed lit0 lit1 lit2 lit3": pixels brighter than dark
//                           grey, pixels unlike those stored in FILE (-1 when FILE holds none of
//                           this size), and the lit pixels of each quadrant (top left, top
//                           right, bottom left, bottom right); then stores these pixels in FILE.
//   x_probe rgb ID X Y W H  prints a rectangle of the window's pixels, one row a line, "red green
//                           blue" of each pixel from left to right.
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

volatile std::sig_atomic_t stop = 0;
void onTerm(int) {
    stop = 1;
}

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
    XStoreName(display, window, "x_probe");
    XMapWindow(display, window);
    XSync(display, False);
    std::signal(SIGTERM, onTerm);
    std::printf("0x%lx\n", window);
    std::fflush(stdout);
    while (!stop) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
        }
        usleep(20000);
    }
    XDestroyWindow(display, window);
    XSync(display, False);
    std::puts("destroyed");
    return 0;
}

int readPixels(Display* display, Window window, const char* path) {
    XWindowAttributes size;
    if (!XGetWindowAttributes(display, window, &size)) return 1;
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(size.width),
                              static_cast<unsigned>(size.height), AllPlanes, ZPixmap);
    if (!image) return 1;
    const auto count = static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height);
    std::vector<unsigned long> pixels(count), before(count);
    std::FILE* stored = std::fopen(path, "rb");
    long changed = stored && std::fread(before.data(), sizeof before[0], count, stored) == count &&
                           std::fgetc(stored) == EOF
                       ? 0
                       : -1;
    if (stored) std::fclose(stored);
    long lit = 0, quadrant[4] = {0, 0, 0, 0};
    for (int y = 0, i = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x, ++i) {
            const unsigned long p = XGetPixel(image, x, y) & 0xffffff;
            if (changed >= 0 && before[static_cast<std::size_t>(i)] != p) ++changed;
            pixels[static_cast<std::size_t>(i)] = p;
            if ((p >> 16) + ((p >> 8) & 0xff) + (p & 0xff) > 96) {
                ++lit;
                ++quadrant[(y >= size.height / 2) * 2 + (x >= size.width / 2)];
            }
        }
    XDestroyImage(image);
    std::printf("%d %d %ld %ld %ld %ld %ld %ld\n", size.width, size.height, lit, changed,
                quadrant[0], quadrant[1], quadrant[2], quadrant[3]);
    stored = std::fopen(path, "wb");
    const bool written =
        stored && std::fwrite(pixels.data(), sizeof pixels[0], count, stored) == count;
    return (stored && std::fclose(stored) != 0) || !written;
}

int printRectangle(Display* display, Window window, char** rectangle) {
    const int left = std::atoi(rectangle[0]), top = std::atoi(rectangle[1]);
    const int width = std::atoi(rectangle[2]), height = std::atoi(rectangle[3]);
    XImage* image = XGetImage(display, window, left, top, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (!image) return 1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            std::printf("%lu %lu %lu%c", (p >> 16) & 0xff, (p >> 8) & 0xff, p & 0xff,
                        x + 1 < width ? ' ' : '\n');
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
    else if (command == "pixels" && argc == 4)
        status = readPixels(display, window, argv[3]);
    else if (command == "rgb" && argc == 7)
        status = printRectangle(display, window, argv + 3);
    else
        std::fputs("usage: x_probe window W H [direct] | pixels ID FILE | rgb ID X Y W H\n",
                   stderr);
    XCloseDisplay(display);
    return status;
}
