// Counts a GLX program's buffer swaps when loaded with LD_PRELOAD: writes the time from process
// start to the first swap (wall and processor time), and the swap rate and processor time per
// frame over a fixed window after it, to $SWAP_COUNT_FILE. Processor times are the whole
// process's, the renderer's worker threads included.
//
// SWAP_LAUNCH_NS: the launcher's CLOCK_REALTIME in ns just before exec (more precise than the
// process start time in /proc/self/stat, which is in 10 ms ticks and is used otherwise).
// SWAP_SKIP_SEC (default 1) and SWAP_WINDOW_SEC (default 4): the window starts that long after the
// first swap and lasts that long.
#include <GL/glx.h>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <unistd.h>

namespace {

using SwapFunction = void (*)(Display*, GLXDrawable);

double clockSeconds(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double envSeconds(const char* name, double fallback) {
    const char* value = std::getenv(name);
    return value ? std::atof(value) : fallback;
}

// The process start on `clock`, and which clock that is.
double processStart(clockid_t& clock) {
    if (const char* launch = std::getenv("SWAP_LAUNCH_NS")) {
        clock = CLOCK_REALTIME;
        return static_cast<double>(std::strtoll(launch, nullptr, 10)) * 1e-9;
    }
    clock = CLOCK_BOOTTIME; // /proc start times count from boot, in clock ticks
    unsigned long long ticks = 0;
    if (std::FILE* stat = std::fopen("/proc/self/stat", "r")) {
        // Field 22; the command name in field 2 has no spaces for the programs timed here.
        if (std::fscanf(stat,
                        "%*d %*s %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %*u %*u %*d %*d "
                        "%*d %*d %*d %*d %llu",
                        &ticks) != 1)
            ticks = 0;
        std::fclose(stat);
    }
    return static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

clockid_t startClock = CLOCK_REALTIME;
const double startSeconds = processStart(startClock);
const double skipSeconds = envSeconds("SWAP_SKIP_SEC", 1);
const double windowSeconds = envSeconds("SWAP_WINDOW_SEC", 4);
double firstSwap = -1;
double firstSwapCpu = 0;
double windowCpuStart = -1, windowCpuEnd = 0; // processor time of the whole process
long swapsInWindow = 0;
bool written = false;

void record(double now) {
    if (firstSwap < 0) {
        firstSwap = now;
        firstSwapCpu = clockSeconds(CLOCK_PROCESS_CPUTIME_ID);
    }
    double since = now - firstSwap;
    if (since >= skipSeconds && since < skipSeconds + windowSeconds) {
        if (windowCpuStart < 0) windowCpuStart = clockSeconds(CLOCK_PROCESS_CPUTIME_ID);
        windowCpuEnd = clockSeconds(CLOCK_PROCESS_CPUTIME_ID);
        ++swapsInWindow;
    }
    if (since < skipSeconds + windowSeconds || written) return;
    written = true;
    const char* path = std::getenv("SWAP_COUNT_FILE");
    std::FILE* out = path ? std::fopen(path, "w") : nullptr;
    if (!out) return;
    double cpuMsPerFrame = swapsInWindow > 1 ? (windowCpuEnd - windowCpuStart) * 1000.0 /
                                                   static_cast<double>(swapsInWindow - 1)
                                             : 0;
    std::fprintf(out,
                 "first_swap_ms %.1f\nfirst_swap_cpu_ms %.1f\nfps %.2f\ncpu_ms_per_frame %.3f\n"
                 "swaps %ld\n",
                 (firstSwap - startSeconds) * 1000.0, firstSwapCpu * 1000.0,
                 static_cast<double>(swapsInWindow) / windowSeconds, cpuMsPerFrame, swapsInWindow);
    std::fclose(out);
}

} // namespace

extern "C" void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    static auto realSwap = reinterpret_cast<SwapFunction>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
    realSwap(display, drawable);
    record(clockSeconds(startClock));
}
