// What the program hands OpenGL, read back as a user sees it: the text it draws, decoded from
// the font's quads, the view transform of each frame and the OpenGL errors it reads.
#include "gl_record.h"

#include "test_window.h"

#include "app/globals.h"

#include <GL/gl.h>
#include <cmath>
#include <dlfcn.h>
#include <utility>

namespace {

template <typename Function> Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

// A glyph: the character its texture coordinates pick from the 16 x 8 font sheet (cells 1/16
// wide and 1/8 high, sampled 0.01 in from the cell's corner), and where its quad stands.
struct Glyph {
    char c = 0;
    float x = 0, baseY = 0, size = 0;
    int windowHeight = 0;
    bool startsDraw = false; // the first glyph of a call that draws text
};

bool recording = false, inQuad = false, newDraw = false;
int vertex = 0, errors = 0;
Glyph glyph;
std::vector<Glyph> glyphs;
std::vector<View>* views = nullptr;

int advanceOf(int size) {
    return static_cast<int>(static_cast<float>(size) * 0.45f);
}

} // namespace

std::ostream& operator<<(std::ostream& out, const TextLine& line) {
    return out << "\"" << line.text << "\" at (" << line.x << ", " << line.y << ") size "
               << line.size;
}

TextLine visibleLine(const std::string& text, int x, int y, int size) {
    const auto first = text.find_first_not_of(' '), last = text.find_last_not_of(' ');
    if (first == std::string::npos) return {x, y, size, ""};
    return {x + static_cast<int>(first) * advanceOf(size), y, size,
            text.substr(first, last - first + 1)};
}

TextLine messageLine(const std::string& text) {
    return visibleLine(text, 10, 25, 20);
}

void recordText() {
    glyphs.clear();
    recording = true;
}

std::vector<TextLine> recordedText() {
    std::vector<TextLine> lines;
    int penX = 0;
    for (const Glyph& g : glyphs) {
        const int x = static_cast<int>(g.x), y = g.windowHeight - static_cast<int>(g.baseY),
                  size = static_cast<int>(std::lround(g.size)), advance = advanceOf(size);
        TextLine* line = lines.empty() ? nullptr : &lines.back();
        // A glyph continues the line when it stands on the same base, a whole number of
        // advances on: the missing ones are spaces.
        if (line && !g.startsDraw && line->y == y && line->size == size && x > penX &&
            (x - penX) % advance == 0)
            line->text.append(static_cast<size_t>((x - penX) / advance - 1), ' ');
        else
            lines.push_back({x, y, size, ""}), line = &lines.back();
        line->text += g.c;
        penX = x;
    }
    return lines;
}

std::vector<TextLine> textDrawnAt(int ms) {
    recordText();
    renderFrameAt(ms);
    return recordedText();
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

// Text drawing saves the polygon mode once per call, to draw its glyphs filled.
void glPushAttrib(GLbitfield mask) {
    static auto real = next<void (*)(GLbitfield)>("glPushAttrib");
    newDraw = newDraw || (recording && mask == GL_POLYGON_BIT);
    real(mask);
}

void glBegin(GLenum mode) {
    static auto real = next<void (*)(GLenum)>("glBegin");
    inQuad = recording && mode == GL_QUADS;
    if (inQuad) {
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport); // text is drawn on a viewport of the whole window
        glyph = Glyph{}, glyph.windowHeight = viewport[3], vertex = 0;
        glyph.startsDraw = std::exchange(newDraw, false);
    }
    real(mode);
}

void glTexCoord2f(GLfloat s, GLfloat t) {
    static auto real = next<void (*)(GLfloat, GLfloat)>("glTexCoord2f");
    if (inQuad && vertex == 0) {
        const long column = std::lround((s - 0.01) / 0.0625),
                   row = std::lround((0.865 - t) / 0.125);
        glyph.c = static_cast<char>((32 + 16 * row + column) & 0xFF);
    }
    real(s, t);
}

void glVertex2f(GLfloat x, GLfloat y) {
    static auto real = next<void (*)(GLfloat, GLfloat)>("glVertex2f");
    if (inQuad && vertex == 0) glyph.x = x, glyph.baseY = y;
    if (inQuad && vertex == 2) glyph.size = y - glyph.baseY;
    vertex += inQuad;
    real(x, y);
}

void glEnd() {
    static auto real = next<void (*)()>("glEnd");
    if (inQuad && vertex == 4) glyphs.push_back(glyph);
    inQuad = false;
    real();
}

// A frame clears just after its view transform: the camera is read back from the modelview
// matrix, the look-at (0, 0, cameraZ) to (0, 0, cameraZ - 1) times the camera's rotation R and
// its translation by minus its position p, so m = R (x - p) - (0, 0, cameraZ).
void glClear(GLbitfield mask) {
    static auto real = next<void (*)(GLbitfield)>("glClear");
    if (views) {
        double m[16];
        glGetDoublev(GL_MODELVIEW_MATRIX, m);
        const double t[3] = {m[12], m[13], m[14] + settings.cameraZ};
        auto p = [&](int j) {
            return -(m[4 * j] * t[0] + m[4 * j + 1] * t[1] + m[4 * j + 2] * t[2]);
        };
        views->push_back({std::atan2(-m[2], m[10]) * 180 / M_PI, p(0), p(2), app.frameDelta});
    }
    real(mask);
}
}
