// Loaded with LD_PRELOAD beside the swap counter: appends one line per buffer swap to $TEXT_LOG,
// the text that the frame swapped drew, read from the font's quads (text_quads.h): each line of
// it as "<x>,<y>,<size> <text>" (in the window's pixels: its first glyph's left edge, its glyphs'
// bottom edge below the window's top, their height), separated by tabs, with a control character
// drawn as a glyph (the newline that ends some messages) shown as ^ and a letter, as cat -v does;
// an empty line for a frame without text. Line for line with the swap log, so that a key's message
// or a held key's repeats can be set against the program's own clock there.
#include "text_quads.h"

#include <EGL/egl.h>
#include <GL/glx.h>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>

namespace {

template <typename Function> Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

__attribute__((constructor)) void startCollecting() {
    collectTextQuads();
}

void logText() {
    static FILE* log = [] {
        const char* path = std::getenv("TEXT_LOG");
        return path ? std::fopen(path, "ae") : nullptr;
    }();
    if (log) {
        const char* separator = "";
        for (const TextLine& line : collectedText()) {
            std::fprintf(log, "%s%d,%d,%d ", separator, line.x, line.y, line.size);
            for (const unsigned char c : line.text)
                c < ' ' ? std::fprintf(log, "^%c", c + '@') : std::fputc(c, log);
            separator = "\t";
        }
        std::fputc('\n', log), std::fflush(log);
    }
    collectTextQuads();
}

} // namespace

extern "C" {

void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    static auto real = next<void (*)(Display*, GLXDrawable)>("glXSwapBuffers");
    real(display, drawable);
    logText();
}

EGLBoolean eglSwapBuffers(EGLDisplay display, EGLSurface surface) {
    static auto real = next<EGLBoolean (*)(EGLDisplay, EGLSurface)>("eglSwapBuffers");
    const EGLBoolean swapped = real(display, surface);
    logText();
    return swapped;
}
}
