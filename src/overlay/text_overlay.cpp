// The one text object: bitmap-font text, the timed message, readouts and the error line.
#include "overlay/text_overlay.h"

#include "overlay/glyph_quad.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cstdio>
#include <cstring>

namespace {

const double messageSeconds = 3;

// Copies `text` into an 80-byte buffer, cut to its first 79 characters.
void copyText(char (&buffer)[messageCapacity], const char* text) {
    std::size_t n = 0;
    for (; n + 1 < messageCapacity && text[n] != '\0'; ++n)
        buffer[n] = text[n];
    buffer[n] = '\0';
}

} // namespace

TextOverlay::~TextOverlay() {}

void TextOverlay::drawText(const char* text, short x, short y, float size) {
    // Laid out in the logical window, which the projection spreads over the whole buffer.
    const TextProjection projection =
        textProjection(currentWindowWidth, currentWindowHeight, scale);
    short baseY = static_cast<short>(logicalPixels(currentWindowHeight, scale) - y);
    std::size_t length = std::strlen(text);
    short penX = x;

    glColor4d(color[0], color[1], color[2], color[3]);
    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, fontTexture);
    glDepthMask(GL_FALSE);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.1f);
    glPushAttrib(GL_POLYGON_BIT);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glPushMatrix();
    glPushAttrib(GL_VIEWPORT_BIT);
    glViewport(0, 0, currentWindowWidth, currentWindowHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(projection.left, projection.right, projection.bottom, projection.top, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    for (std::size_t i = 0; i < length; ++i) {
        GlyphQuad q = glyphQuad(static_cast<unsigned char>(text[i]), penX, baseY, size);
        if (q.drawn) {
            glBegin(GL_QUADS);
            glTexCoord2f(q.s0, q.t0);
            glVertex2f(q.x0, q.y0);
            glTexCoord2f(q.s1, q.t0);
            glVertex2f(q.x1, q.y0);
            glTexCoord2f(q.s1, q.t1);
            glVertex2f(q.x1, q.y1);
            glTexCoord2f(q.s0, q.t1);
            glVertex2f(q.x0, q.y1);
            glEnd();
        }
        penX = q.nextPenX;
    }

    glPopMatrix();
    glPopAttrib();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glPopAttrib();
    glDepthMask(GL_TRUE);

    if (storeMessage) {
        storedX = x;
        storedY = y;
        if (text != messageText) copyText(messageText, text);
    }
}

// Every message is drawn the moment it is shown, over whatever the last frame left, and again
// by each frame until it expires: a key's acknowledgement appears even while frames stall.
void TextOverlay::showFormatted(const char* text, double nowSec) {
    drawText(text, static_cast<short>(messageX), static_cast<short>(messageY), messageSize);
    messageExpiry = nowSec + messageSeconds;
}

void TextOverlay::showMessage(const char* text, double nowSec) {
    char buffer[messageCapacity];
    copyText(buffer, text);
    showFormatted(buffer, nowSec);
}

void TextOverlay::showValue(const char* format, double value, double nowSec) {
    char buffer[messageCapacity];
    std::snprintf(buffer, sizeof buffer, format, value);
    showFormatted(buffer, nowSec);
}

void TextOverlay::showNumber(const char* format, int number, double nowSec) {
    char buffer[messageCapacity];
    std::snprintf(buffer, sizeof buffer, format, number);
    showFormatted(buffer, nowSec);
}

void TextOverlay::redrawMessage(double nowSec) {
    if (nowSec < messageExpiry)
        drawText(messageText, static_cast<short>(storedX), static_cast<short>(storedY),
                 messageSize);
    else
        messageExpiry = 0;
}

void TextOverlay::drawFrameRate(int fps, int windowWidth) {
    UnstoredText unstored(*this);
    char buffer[messageCapacity];
    std::snprintf(buffer, sizeof buffer, "%3d Frame/Sec", fps);
    drawText(buffer, frameRateX(windowWidth), static_cast<short>(messageY), messageSize);
}

void TextOverlay::checkGlError(int windowWidth, double nowSec) {
    UnstoredText unstored(*this);
    GLenum error = glGetError();
    if (error == GL_NO_ERROR) return;
    const char* words = reinterpret_cast<const char*>(gluErrorString(error));
    char description[61]; // the first 60 characters of the description
    std::snprintf(description, sizeof description, "%s", words ? words : "unknown error");
    char line[messageCapacity];
    std::snprintf(line, sizeof line, "OpenGL Error: %s", description);
    drawText(line, errorLineX(windowWidth), static_cast<short>(messageY), messageSize);
    messageExpiry = nowSec + messageSeconds;
}

void TextOverlay::setTextScale(double newScale) {
    if (newScale == scale) return;
    scale = newScale;
    setFontFilter();
}

void TextOverlay::setFontTexture(unsigned name) {
    fontTexture = name;
    if (scale != 1) setFontFilter();
}

// Magnified further than the font sheet's 1.25 at scale 1, the linear filter smears each texel
// into its neighbours and the glyphs go soft; the nearest texel keeps their edges. The sample
// window reaches into the next cells' first two columns and rows, which the sheet keeps black.
void TextOverlay::setFontFilter() {
    if (fontTexture == 0) return;
    glBindTexture(GL_TEXTURE_2D, fontTexture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, scale == 1 ? GL_LINEAR : GL_NEAREST);
}
