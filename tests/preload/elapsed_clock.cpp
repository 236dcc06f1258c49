// Loaded with LD_PRELOAD into tyvok: moves GLUT's elapsed time on by TYVOK_CLOCK_OFFSET_MS (as
// if the program had already run that long, wrapping like GLUT's int) and writes the program's
// clock to TYVOK_CLOCK_FILE: the time of the last Escape, of the last other key and of the last
// two frames, unwrapped.
#include <GL/freeglut.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>

namespace {

using KeyboardCallback = void (*)(unsigned char, int, int);
const unsigned char escapeKey = 27;

const std::int64_t offsetMs = [] {
    const char* offset = std::getenv("TYVOK_CLOCK_OFFSET_MS");
    return offset ? std::strtoll(offset, nullptr, 10) : 0;
}();
std::int64_t escapeMs = -1, keyMs = -1, previousMs = -1, lastMs = -1;
KeyboardCallback programKeyboard = nullptr;

void record() {
    const char* path = std::getenv("TYVOK_CLOCK_FILE");
    if (std::FILE* out = path ? std::fopen(path, "w") : nullptr) {
        std::fprintf(out, "%lld %lld %lld %lld\n", static_cast<long long>(escapeMs),
                     static_cast<long long>(keyMs), static_cast<long long>(previousMs),
                     static_cast<long long>(lastMs));
        std::fclose(out);
    }
}

void onKey(unsigned char key, int x, int y) {
    // Before the first frame the program's clock stands at its start, 0.
    (key == escapeKey ? escapeMs : keyMs) = lastMs < 0 ? 0 : lastMs;
    record();
    programKeyboard(key, x, y);
}

} // namespace

extern "C" int glutGet(GLenum query) {
    static auto next = reinterpret_cast<int (*)(GLenum)>(dlsym(RTLD_NEXT, "glutGet"));
    const int value = next(query);
    if (query != GLUT_ELAPSED_TIME) return value;
    previousMs = lastMs;
    lastMs = offsetMs + value;
    record();
    return static_cast<int>(static_cast<std::uint32_t>(lastMs)); // GLUT's int wraps alike
}

extern "C" void glutKeyboardFunc(KeyboardCallback callback) {
    static auto next =
        reinterpret_cast<void (*)(KeyboardCallback)>(dlsym(RTLD_NEXT, "glutKeyboardFunc"));
    programKeyboard = callback;
    next(callback ? onKey : nullptr);
}
