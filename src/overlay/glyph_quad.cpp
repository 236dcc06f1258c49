// Where one character of bitmap-font text lands on screen and in the font sheet.
#include "overlay/glyph_quad.h"

GlyphQuad glyphQuad(unsigned char c, short penX, short baseY, float size) {
    float width = size * 0.5f;
    float advance = size * 0.45f;
    int glyph = (c - 32) & 0xFF;

    GlyphQuad q{};
    q.drawn = glyph != 0;
    int column = glyph % 16;
    int row = glyph / 16;
    q.s0 = static_cast<float>(column) * 0.0625f + 0.01f;
    q.t0 = 0.875f - static_cast<float>(row) * 0.125f - 0.01f;
    q.s1 = q.s0 + 0.0625f;
    q.t1 = q.t0 + 0.125f;
    q.x0 = penX;
    q.y0 = baseY;
    q.x1 = penX + width;
    q.y1 = baseY + size;
    q.nextPenX = static_cast<short>(static_cast<int>(penX + advance));
    return q;
}
