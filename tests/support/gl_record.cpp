// What the program hands OpenGL, read back as a user sees it: the text it draws, read from the
// font's quads (text_quads.cpp), the view transform of each frame and the OpenGL errors it reads.
#include "test_window.h"

#include <algorithm>
#include <dlfcn.h>
#include <tuple>

namespace {

template <typename Function> Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

int errors = 0;
std::vector<View>* views = nullptr;

// The line's first visible glyph, the glyphs' base and height, and its text without end spaces.
std::tuple<int, int, int, std::string> shown(const TextLine& line, int advance) {
    const auto first = line.text.find_first_not_of(' '), last = line.text.find_last_not_of(' ');
    if (first == std::string::npos) return {line.x, line.y, line.size, ""};
    return {line.x + static_cast<int>(first) * advance, line.y, line.size,
            line.text.substr(first, last - first + 1)};
}

} // namespace

bool operator==(const TextLine& a, const TextLine& b) {
    const int step = std::max(a.advance, b.advance);
    return shown(a, step) == shown(b, step);
}

std::ostream& operator<<(std::ostream& out, const TextLine& line) {
    return out << "\"" << line.text << "\" at (" << line.x << ", " << line.y << ") size "
               << line.size;
}

TextLine messageLine(const std::string& text) {
    return {10, 25, 20, text, 0};
}

std::vector<TextLine> textDrawnAt(int ms) {
    collectTextQuads();
    renderFrameAt(ms);
    return collectedText();
}

void recordViews(std::vector<View>* into) {
    views = into;
}

int glErrorsRead() {
    return errors;
}

extern "C" {

GLenum glGetError() {
    static auto real = next<GLenum (*)()>("glGetError");
    const GLenum error = real();
    errors += error != GL_NO_ERROR;
    return error;
}

// A frame clears just after its view transform: the camera is read back from the modelview
// matrix.
void glClear(GLbitfield mask) {
    static auto real = next<void (*)(GLbitfield)>("glClear");
    if (views) {
        double m[16];
        glGetDoublev(GL_MODELVIEW_MATRIX, m);
        views->push_back({cameraFromModelview(m, settings.cameraZ), app.frameDelta});
    }
    real(mask);
}
}
