// The class hint that names the program's window to the window manager.
#include "platform/glut/window_class.h"

#include <X11/Xutil.h>
#include <unistd.h>

namespace {

// How long to wait for the window manager to let go of the window: 400 steps of 5 ms.
const int releaseSteps = 400;
const useconds_t releaseStepUs = 5000;

// The state the window manager has given `window` (NormalState, IconicState, ...), or
// WithdrawnState when it has given none.
long windowManagerState(Display* display, Window window) {
    const Atom wmState = XInternAtom(display, "WM_STATE", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    long state = WithdrawnState;
    if (XGetWindowProperty(display, window, wmState, 0, 1, False, wmState, &type, &format, &count,
                           &after, &data) == Success &&
        data && format == 32 && count == 1)
        state = reinterpret_cast<long*>(data)[0];
    if (data) XFree(data);
    return state;
}

} // namespace

void setWindowClass(Display* display, Window window) {
    XClassHint hint;
    hint.res_name = const_cast<char*>("tyvok");
    hint.res_class = const_cast<char*>("Tyvok");
    XWindowAttributes own, root;
    const bool managed = XGetWindowAttributes(display, window, &own) &&
                         XGetWindowAttributes(display, own.root, &root) &&
                         (root.all_event_masks & SubstructureRedirectMask);
    if (!managed) {
        XSetClassHint(display, window, &hint);
        return;
    }
    XWithdrawWindow(display, window, XScreenNumberOfScreen(own.screen));
    for (int step = 0; step < releaseSteps && windowManagerState(display, window) != WithdrawnState;
         ++step)
        usleep(releaseStepUs);
    XSetClassHint(display, window, &hint);
    XMapWindow(display, window);
    XFlush(display);
}
