// Bitmap-font text drawn as one array of quads under one state set-up: the benchmark's limit.
#include "lean_text.h"

#include "app/globals.h"
#include "overlay/glyph_quad.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <cstring>

namespace {

struct TexturedPoint {
    float s, t, x, y;
};

const float alphaReference = 0.1f;

// Every glyph's four corners, counter-clockwise from the bottom left as the overlay draws them.
void appendQuads(std::vector<TexturedPoint>& points, const TextLine& line, short windowHeight) {
    short baseY = static_cast<short>(windowHeight - line.y);
    short penX = line.x;
    for (std::size_t i = 0, n = std::strlen(line.text); i < n; ++i) {
        GlyphQuad q = glyphQuad(static_cast<unsigned char>(line.text[i]), penX, baseY, line.size);
        if (q.drawn) {
            points.push_back({q.s0, q.t0, q.x0, q.y0});
            points.push_back({q.s1, q.t0, q.x1, q.y0});
            points.push_back({q.s1, q.t1, q.x1, q.y1});
            points.push_back({q.s0, q.t1, q.x0, q.y1});
        }
        penX = q.nextPenX;
    }
}

} // namespace

void drawLeanText(const std::vector<TextLine>& lines) {
    static std::vector<TexturedPoint> points;
    points.clear();
    int width = glutGet(GLUT_WINDOW_WIDTH), height = glutGet(GLUT_WINDOW_HEIGHT);
    for (const TextLine& line : lines)
        appendQuads(points, line, static_cast<short>(height));

    const float* color = textOverlay.color;
    glColor4d(color[0], color[1], color[2], color[3]);
    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, textOverlay.fontTexture);
    glDepthMask(GL_FALSE);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, alphaReference);
    glPushAttrib(GL_POLYGON_BIT | GL_VIEWPORT_BIT);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glPushMatrix();
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, width, 0, height, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    if (!points.empty()) {
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, sizeof(TexturedPoint), &points[0].s);
        glVertexPointer(2, GL_FLOAT, sizeof(TexturedPoint), &points[0].x);
        glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(points.size()));
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
    }

    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glPopAttrib();
    glDepthMask(GL_TRUE);
}
