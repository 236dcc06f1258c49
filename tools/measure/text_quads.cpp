// The text a program draws, read back from the font's quads (text_quads.h).
#include "text_quads.h"

#include <GL/glu.h>
#include <algorithm>
#include <cmath>
#include <dlfcn.h>
#include <utility>

namespace {

template <typename Function> Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

// A glyph's quad as drawn: its corners on screen, in window pixels, and in the font sheet, and
// whether it is the first of a call that draws text.
struct Quad {
    double x0 = 1e9, y0 = 1e9, y1 = -1e9, s = 0, t = 0;
    int windowHeight = 0, vertices = 0;
    bool startsDraw = false;
};

// What OpenGL carries a vertex to the window by: the matrices and the viewport at glBegin.
double projection[16], modelview[16];
GLint viewport[4];

bool collecting = false, inQuad = false, newDraw = false;
Quad quad;
std::vector<Quad> quads;

// The sheet's cell under the middle of the quad's texture: 16 to a row from character 32.
char characterOf(const Quad& q) {
    const int column = static_cast<int>(std::floor(16 * q.s / 4)),
              row = static_cast<int>(std::floor(8 * (1 - q.t / 4)));
    return static_cast<char>((32 + 16 * row + column) & 0xFF);
}

} // namespace

void collectTextQuads() {
    quads.clear();
    collecting = true;
}

std::vector<TextLine> collectedText() {
    std::vector<TextLine> lines;
    std::vector<std::vector<int>> penXs; // each line's glyphs' left edges
    for (const Quad& q : quads) {
        const int x = int(std::lround(q.x0)), y = q.windowHeight - int(std::lround(q.y0)),
                  size = static_cast<int>(std::lround(q.y1 - q.y0));
        if (lines.empty() || q.startsDraw || lines.back().y != y || lines.back().size != size)
            lines.push_back({x, y, size, "", 0}), penXs.emplace_back();
        lines.back().text += characterOf(q), penXs.back().push_back(x);
    }
    // The pen steps evenly: the smallest step between glyphs is one advance, a longer one holds
    // spaces.
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::vector<int>& x = penXs[i];
        int& step = lines[i].advance;
        for (size_t g = 1; g < x.size(); ++g)
            step = g == 1 ? x[1] - x[0] : std::min(step, x[g] - x[g - 1]);
        for (size_t g = x.size() - 1; g > 0; --g)
            lines[i].text.insert(g, static_cast<size_t>((x[g] - x[g - 1]) / step - 1), ' ');
    }
    return lines;
}

extern "C" {

// Text drawing saves the polygon mode once per call, to draw its glyphs filled.
void glPushAttrib(GLbitfield mask) {
    static auto real = next<void (*)(GLbitfield)>("glPushAttrib");
    newDraw = newDraw || (collecting && mask == GL_POLYGON_BIT);
    real(mask);
}

void glBegin(GLenum mode) {
    static auto real = next<void (*)(GLenum)>("glBegin");
    inQuad = collecting && mode == GL_QUADS;
    if (inQuad) {
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
        glGetIntegerv(GL_VIEWPORT, viewport); // text is drawn on a viewport of the whole window
        quad = Quad{}, quad.windowHeight = viewport[3];
        quad.startsDraw = std::exchange(newDraw, false);
    }
    real(mode);
}

void glTexCoord2f(GLfloat s, GLfloat t) {
    static auto real = next<void (*)(GLfloat, GLfloat)>("glTexCoord2f");
    if (inQuad) quad.s += s, quad.t += t; // summed over the four corners
    real(s, t);
}

void glVertex2f(GLfloat x, GLfloat y) {
    static auto real = next<void (*)(GLfloat, GLfloat)>("glVertex2f");
    if (inQuad) {
        double windowX = 0, windowY = 0, depth = 0;
        gluProject(x, y, 0, modelview, projection, viewport, &windowX, &windowY, &depth);
        quad.x0 = std::min(quad.x0, windowX), quad.y0 = std::min(quad.y0, windowY);
        quad.y1 = std::max(quad.y1, windowY), ++quad.vertices;
    }
    real(x, y);
}

void glEnd() {
    static auto real = next<void (*)()>("glEnd");
    if (inQuad && quad.vertices == 4) quads.push_back(quad);
    inQuad = false;
    real();
}
}
