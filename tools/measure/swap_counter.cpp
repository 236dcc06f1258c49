// Loaded with LD_PRELOAD into a GLX or EGL program: appends one line per buffer swap to $SWAP_LOG,
//   <wall ns> <processor ns> <GLUT ms> <monotonic ms> <drawable> <width>x<height> <waited ms>
// the swap's CLOCK_REALTIME, the whole process's processor time (every thread), and the last
// reading of the program's own clock before it: glutGet(GLUT_ELAPSED_TIME) in a GLUT program,
// CLOCK_MONOTONIC read by the executable itself (not by its libraries) counted from its first
// such reading; -1 where the program never read that clock; the drawable swapped, in hex (the X
// window, or the EGLSurface handle), by which a test finds the window of its own run of the
// program; that drawable's size in pixels as GLX or EGL report it; and how long the executable
// waited in poll with a timeout since the last swap, each wait counted at most as long as it
// asked for, so that a wake-up that a busy machine delays counts only the wait the program
// chose. glutSwapBuffers ends in glXSwapBuffers, so one count serves every host, the benchmark,
// the tests and the memory check.
#include <EGL/egl.h>
#include <GL/freeglut.h>
#include <GL/glx.h>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/auxv.h>
#include <unistd.h>

namespace {

std::int64_t glutMs = -1, monotonicMs = -1, monotonicOriginMs = -1, waitedNs = 0;

template <typename Function> Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

std::int64_t nanoseconds(const timespec& t) {
    return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// Whether `address` lies in the executable rather than in one of its libraries.
bool inExecutable(const void* address) {
    static const void* executableBase = [] {
        Dl_info info{};
        return dladdr(reinterpret_cast<void*>(getauxval(AT_ENTRY)), &info) ? info.dli_fbase
                                                                           : nullptr;
    }();
    Dl_info info{};
    return dladdr(address, &info) && info.dli_fbase == executableBase;
}

} // namespace

extern "C" int clock_gettime(clockid_t clock, timespec* time) {
    static auto real = next<int (*)(clockid_t, timespec*)>("clock_gettime");
    const int result = real(clock, time);
    if (result == 0 && clock == CLOCK_MONOTONIC && inExecutable(__builtin_return_address(0))) {
        // Whole milliseconds of each reading, as a program that counts in milliseconds has them.
        const std::int64_t ms = nanoseconds(*time) / 1000000;
        if (monotonicOriginMs < 0) monotonicOriginMs = ms;
        monotonicMs = ms - monotonicOriginMs;
    }
    return result;
}

extern "C" int poll(pollfd* watched, nfds_t count, int timeoutMs) {
    static auto real = next<int (*)(pollfd*, nfds_t, int)>("poll");
    static auto readClock = next<int (*)(clockid_t, timespec*)>("clock_gettime");
    if (timeoutMs < 0 || !inExecutable(__builtin_return_address(0)))
        return real(watched, count, timeoutMs);
    timespec start{}, end{};
    readClock(CLOCK_MONOTONIC, &start);
    const int result = real(watched, count, timeoutMs);
    readClock(CLOCK_MONOTONIC, &end);
    waitedNs += std::min<std::int64_t>(nanoseconds(end) - nanoseconds(start),
                                       static_cast<std::int64_t>(timeoutMs) * 1000000);
    return result;
}

extern "C" int glutGet(GLenum query) {
    static auto real = next<int (*)(GLenum)>("glutGet");
    const int value = real(query);
    if (query == GLUT_ELAPSED_TIME) glutMs = value;
    return value;
}

namespace {

void logSwap(unsigned long drawable, unsigned width, unsigned height) {
    static const int log = [] {
        const char* path = std::getenv("SWAP_LOG");
        return path ? open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644) : -1;
    }();
    timespec wall{}, processor{};
    clock_gettime(CLOCK_REALTIME, &wall);
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &processor);
    char line[160];
    const int length = std::snprintf(
        line, sizeof line, "%lld %lld %lld %lld 0x%lx %ux%u %.3f\n",
        static_cast<long long>(nanoseconds(wall)), static_cast<long long>(nanoseconds(processor)),
        static_cast<long long>(glutMs), static_cast<long long>(monotonicMs), drawable, width,
        height, static_cast<double>(waitedNs) / 1e6);
    waitedNs = 0;
    if (log >= 0 && write(log, line, static_cast<std::size_t>(length)) < 0) std::perror("SWAP_LOG");
}

} // namespace

// The size is read before the swap, which may take up a new size for the next buffer; on X in
// one round trip, where GLX would take two.
extern "C" void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    static auto real = next<void (*)(Display*, GLXDrawable)>("glXSwapBuffers");
    static auto geometry = next<Status (*)(Display*, Drawable, Window*, int*, int*, unsigned*,
                                           unsigned*, unsigned*, unsigned*)>("XGetGeometry");
    Window root = 0;
    int x = 0, y = 0;
    unsigned width = 0, height = 0, border = 0, depth = 0;
    geometry(display, drawable, &root, &x, &y, &width, &height, &border, &depth);
    real(display, drawable);
    logSwap(drawable, width, height);
}

extern "C" EGLBoolean eglSwapBuffers(EGLDisplay display, EGLSurface surface) {
    static auto real = next<EGLBoolean (*)(EGLDisplay, EGLSurface)>("eglSwapBuffers");
    static auto query =
        next<EGLBoolean (*)(EGLDisplay, EGLSurface, EGLint, EGLint*)>("eglQuerySurface");
    EGLint width = 0, height = 0;
    query(display, surface, EGL_WIDTH, &width);
    query(display, surface, EGL_HEIGHT, &height);
    const EGLBoolean swapped = real(display, surface);
    logSwap(reinterpret_cast<unsigned long>(surface), static_cast<unsigned>(width),
            static_cast<unsigned>(height));
    return swapped;
}
