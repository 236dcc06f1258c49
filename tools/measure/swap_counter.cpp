// Loaded with LD_PRELOAD into a GLX program: appends one line per buffer swap to $SWAP_LOG,
//   <wall ns> <processor ns> <GLUT ms> <monotonic ms> <drawable> <waited ms>
// the swap's CLOCK_REALTIME, the whole process's processor time (every thread), and the last
// reading of the program's own clock before it: glutGet(GLUT_ELAPSED_TIME) in a GLUT program,
// CLOCK_MONOTONIC read by the executable itself (not by its libraries) counted from its first
// such reading; -1 where the program never read that clock; the window swapped, in hex, by
// which a test finds the window of its own run of the program; and how long the executable
// waited in poll with a timeout since the last swap, each wait counted at most as long as it
// asked for, so that a wake-up that a busy machine delays counts only the wait the program
// chose. glutSwapBuffers ends in glXSwapBuffers, so one count serves every host, the
// benchmark, the tests and the memory check.
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

extern "C" void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    static auto real = next<void (*)(Display*, GLXDrawable)>("glXSwapBuffers");
    static const int log = [] {
        const char* path = std::getenv("SWAP_LOG");
        return path ? open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644) : -1;
    }();
    real(display, drawable);
    timespec wall{}, processor{};
    clock_gettime(CLOCK_REALTIME, &wall);
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &processor);
    char line[160];
    const int length = std::snprintf(
        line, sizeof line, "%lld %lld %lld %lld 0x%lx %.3f\n",
        static_cast<long long>(nanoseconds(wall)), static_cast<long long>(nanoseconds(processor)),
        static_cast<long long>(glutMs), static_cast<long long>(monotonicMs),
        static_cast<unsigned long>(drawable), static_cast<double>(waitedNs) / 1e6);
    waitedNs = 0;
    if (log >= 0 && write(log, line, static_cast<std::size_t>(length)) < 0) std::perror("SWAP_LOG");
}
