// The executable's monotonic clock is the script's clock.
//
// The program seeds its random generator from a monotonic clock reading at start-up (through
// std::chrono::steady_clock, which reads clock_gettime(CLOCK_MONOTONIC)), so two runs would draw
// different stars and motions. The rule here: every monotonic clock reading that the executable's
// own code makes, through steady_clock or clock_gettime directly, returns the script's clock (0
// before the first scripted frame, so the seed base is 0 in every run). Readings by the
// libraries (GLUT, Xlib, the OpenGL driver, the tracer) and by this library keep the real
// clock, which their timeouts need. The caller is told apart by its return address, which lies
// in the executable's code for the program's own calls; so the program's code must be linked
// into the executable, as its static library is.
#include "scripted_run.h"

#include <chrono>
#include <cstdint>
#include <ctime>
#include <dlfcn.h>
#include <link.h>

namespace {

// The executable's code, found when this library is loaded, before the executable runs.
std::uintptr_t codeBegin = 0, codeEnd = 0;

__attribute__((constructor)) void findExecutableCode() {
    dl_iterate_phdr(
        [](dl_phdr_info* object, std::size_t, void*) {
            // The first object listed is the executable.
            for (int i = 0; i < object->dlpi_phnum; ++i) {
                const ElfW(Phdr)& segment = object->dlpi_phdr[i];
                if (segment.p_type != PT_LOAD || !(segment.p_flags & PF_X)) continue;
                const std::uintptr_t begin = object->dlpi_addr + segment.p_vaddr;
                if (codeEnd == 0 || begin < codeBegin) codeBegin = begin;
                if (begin + segment.p_memsz > codeEnd) codeEnd = begin + segment.p_memsz;
            }
            return 1;
        },
        nullptr);
}

bool fromExecutable(const void* returnAddress) {
    const auto address = reinterpret_cast<std::uintptr_t>(returnAddress);
    return address >= codeBegin && address < codeEnd;
}

bool monotonic(clockid_t clock) {
    return clock == CLOCK_MONOTONIC || clock == CLOCK_MONOTONIC_RAW ||
           clock == CLOCK_MONOTONIC_COARSE || clock == CLOCK_BOOTTIME;
}

} // namespace

extern "C" int clock_gettime(clockid_t clock, timespec* time) {
    static const auto real =
        reinterpret_cast<int (*)(clockid_t, timespec*)>(dlsym(RTLD_NEXT, "clock_gettime"));
    if (!monotonic(clock) || !fromExecutable(__builtin_return_address(0))) return real(clock, time);
    time->tv_sec = scripted_run::clockMs / 1000;
    time->tv_nsec = scripted_run::clockMs % 1000 * 1000000L;
    return 0;
}

// The standard library's definition is replaced for the whole process, as with clock_gettime.
std::chrono::steady_clock::time_point std::chrono::steady_clock::now() noexcept {
    static const auto real = reinterpret_cast<time_point (*)()>(
        dlsym(RTLD_NEXT, "_ZNSt6chrono3_V212steady_clock3nowEv"));
    if (!fromExecutable(__builtin_return_address(0))) return real();
    return time_point(std::chrono::milliseconds(scripted_run::clockMs));
}
